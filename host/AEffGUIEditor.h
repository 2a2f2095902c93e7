// The VST 2.x face of the editor: the frame editor registered with its
// AudioEffect, which hands the host's key, wheel and draw requests to the
// frame, answers the knob mode and the parameter gestures through the
// shell, and gives the host its idle during legacy mouse loops. Its window
// has a fixed size at its content scale; a scale that changes while it is
// open asks the host to resize (audioMasterSizeWindow).
// User-interface thread only.
#pragma once

#include "AEffEditor.h"
#include "editor/FrameEditor.h"

#include <cstdint>

class AEffGUIEditor : public AEffEditor, public FrameEditor {
  public:
    explicit AEffGUIEditor(AudioEffect* owner) : AEffGUIEditor(owner, nullptr, 0, 0) {}
    ~AEffGUIEditor() override = default;

    bool getRect(ERect** out) override;
    void idle() override;
    bool onKeyDown(KeyCode& key) override;
    bool onKeyUp(KeyCode& key) override;
    bool onWheel(float distance) override;
    bool setKnobMode(VstInt32 mode) override;
    bool setContentScale(float scale) override;
    virtual void updateParameter(VstInt32 /*index*/, float /*value*/) {}
    // Draws the host's rectangle (corners in any order), or the whole frame.
    virtual void draw(ERect* rect);

    // ---- VSTGUIEditorInterface
    int32_t getKnobMode() const override;
    bool beginEdit(int32_t index) override;
    bool endEdit(int32_t index) override;

  protected:
    // An editor with one view of client at this size.
    AEffGUIEditor(AudioEffect* owner, VeSTEditorClient* viewClient, int32_t viewWidth,
                  int32_t viewHeight);
    void hostIdle() override;
    void hostResize(int32_t windowWidth, int32_t windowHeight) override;

    ERect rect{};
};
