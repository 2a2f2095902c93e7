// The plug-in's editor: a frame window holding one view that shows the
// effect's drawing. User-interface thread only.
#pragma once

#include "AEffGUIEditor.h"

class CVeST;

class CVeSTEditor : public AEffGUIEditor {
public:
    CVeSTEditor(CVeST* shell, VstInt32 width, VstInt32 height);
    ~CVeSTEditor() override;

    bool open(void* parent) override;
    void close() override;
    void idle() override;

    // Invalidates the whole view; false when no view exists.
    bool repaintView();

    VstInt32 getWidth() const { return width; }
    VstInt32 getHeight() const { return height; }

private:
    CVeST* shell;
    VstInt32 width;
    VstInt32 height;
};
