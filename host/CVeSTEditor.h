// The VST 2.x plug-in's editor: the frame editor with one view that shows
// the effect's drawing, registered with the shell it belongs to. Everything
// it needs of the shell comes through its editor client.
// User-interface thread only.
#pragma once

#include "AEffGUIEditor.h"

class CVeSTEditor : public AEffGUIEditor {
  public:
    CVeSTEditor(AudioEffect* effect, VeSTEditorClient* client, int32_t width, int32_t height);
    ~CVeSTEditor() override;

    // False (and nothing kept) when no window could be made in parent, for
    // example without a display.
    bool open(void* parent) override;
    void close() override;
};
