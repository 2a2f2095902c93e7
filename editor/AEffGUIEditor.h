// Editor base that owns a frame window while open, hands the host's key,
// wheel and draw requests to it and pumps idle during legacy mouse loops.
// User-interface thread only.
#pragma once

#include "AEffEditor.h"
#include "toolkit/VSTGUIEditorInterface.h"

#include <cstdint>

namespace VSTGUI {
class CFrame;
}

class AEffGUIEditor : public AEffEditor, public VSTGUI::VSTGUIEditorInterface {
  public:
    // Millisecond ticks and a sleep, replaceable so that tests control time.
    using TickSource = uint32_t (*)();
    using Sleep = void (*)(uint32_t milliseconds);

    static constexpr uint32_t kPumpSleepMs = 4;
    static constexpr uint32_t kPumpEarlyMs = 50;
    static constexpr uint32_t kPumpIntervalMs = 100;

    explicit AEffGUIEditor(AudioEffect* effect);
    // Undoes the drag-and-drop set-up of the constructor; does not close.
    ~AEffGUIEditor() override;

    bool getRect(ERect** out) override;
    void idle() override;
    bool onKeyDown(KeyCode& key) override;
    bool onKeyUp(KeyCode& key) override;
    bool onWheel(float distance) override;
    bool setKnobMode(VstInt32 mode) override;
    virtual void updateParameter(VstInt32 /*index*/, float /*value*/) {}
    // Draws the host's rectangle (corners in any order), or the whole frame.
    virtual void draw(ERect* rect);

    // ---- VSTGUIEditorInterface
    void pumpIdle() override;
    int32_t getKnobMode() const override;
    bool beginEdit(int32_t index) override;
    bool endEdit(int32_t index) override;

    VSTGUI::CFrame* getFrame() const { return frame; }
    void setClock(TickSource ticks, Sleep sleep);

  protected:
    VSTGUI::CFrame* frame = nullptr;
    ERect rect{};
    uint32_t nextIdleTime = 0;
    bool inIdle = false;
    TickSource ticks;
    Sleep sleep;
};
