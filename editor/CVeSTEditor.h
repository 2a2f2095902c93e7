// The plug-in's editor: a frame window holding one view that shows the
// effect's drawing. User-interface thread only.
#pragma once

#include "AEffGUIEditor.h"

class CVeST;
class CVeSTView;

class CVeSTEditor : public AEffGUIEditor {
  public:
    CVeSTEditor(CVeST* shell, VstInt32 width, VstInt32 height);
    ~CVeSTEditor() override;

    // False (and nothing kept) when no window could be made in parent, for
    // example without a display.
    bool open(void* parent) override;
    void close() override;
    // The runtime's idle hook, then the frame's idle.
    void idle() override;

    // Invalidates the whole view; false when no view exists.
    bool repaintView();

    VstInt32 getWidth() const { return width; }
    VstInt32 getHeight() const { return height; }
    CVeSTView* getView() const { return view; }

  private:
    CVeST* shell;
    CVeSTView* view = nullptr; // owned by the frame
    VstInt32 width;
    VstInt32 height;
};
