// The plug-in's editor: a frame window holding one view that shows the
// effect's drawing. Everything it needs of the shell comes through its
// editor client, so a shell of any plug-in format can show it; `effect` is
// the VST 2.x shell it registers with, or null for any other.
// User-interface thread only.
#pragma once

#include "AEffGUIEditor.h"

class CVeSTView;
class VeSTEditorClient;

class CVeSTEditor : public AEffGUIEditor {
  public:
    CVeSTEditor(AudioEffect* effect, VeSTEditorClient* client, int32_t width, int32_t height);
    ~CVeSTEditor() override;

    // False (and nothing kept) when no window could be made in parent, for
    // example without a display.
    bool open(void* parent) override;
    void close() override;
    // The client's idle tick, a repaint of the view when the client asks for
    // one, then the frame's idle.
    void idle() override;

    // Invalidates the whole view; false when no view exists.
    bool repaintView();

    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }
    CVeSTView* getView() const { return view; }

  private:
    VeSTEditorClient* client;
    CVeSTView* view = nullptr; // owned by the frame
    int32_t width;
    int32_t height;
};
