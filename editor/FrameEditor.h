// The editor any shell can show: a frame window in the host's window
// holding one view that shows the client's drawing, the client's idle tick
// with the repaints it asks for, and the idle pumping a frame needs during a
// legacy mouse loop. It knows no plug-in format: a format's editor derives
// from it for the knob mode, the parameter gestures and the host's own idle.
// User-interface thread only.
#pragma once

#include "toolkit/VSTGUIEditorInterface.h"

#include <cstdint>

namespace VSTGUI {
class CFrame;
}

class CVeSTView;
class VeSTEditorClient;

class FrameEditor : public VSTGUI::VSTGUIEditorInterface {
  public:
    // Millisecond ticks and a sleep, replaceable so that tests control time.
    using TickSource = uint32_t (*)();
    using Sleep = void (*)(uint32_t milliseconds);

    static constexpr uint32_t kPumpSleepMs = 4;
    static constexpr uint32_t kPumpEarlyMs = 50;
    static constexpr uint32_t kPumpIntervalMs = 100;

    // A null client makes a frame without a view (a derived editor may put
    // its own frame in).
    FrameEditor(VeSTEditorClient* client, int32_t width, int32_t height);
    // Closes the window, then undoes the drag-and-drop set-up.
    ~FrameEditor() override;
    FrameEditor(const FrameEditor&) = delete;
    FrameEditor& operator=(const FrameEditor&) = delete;

    // Opens the frame with the client's view in parent (closing one open
    // before); false, keeping nothing, when no window could be made, for
    // example without a display.
    bool openFrame(void* parent);
    // Closes the frame with its window and connection; harmless when closed.
    void closeFrame();
    // The client's idle tick, a repaint of the view when the client asks for
    // one, then the frame's idle (not while the host's idle runs inside
    // pumpIdle: the host may call back into the editor from there).
    virtual void idle();
    // Invalidates the whole view; false when no view exists.
    bool repaintView();

    // ---- VSTGUIEditorInterface; no knob mode and no gestures by default
    void pumpIdle() override;
    int32_t getKnobMode() const override { return 0; }
    bool beginEdit(int32_t) override { return false; }
    bool endEdit(int32_t) override { return false; }

    VSTGUI::CFrame* getFrame() const { return frame; }
    CVeSTView* getView() const { return view; }
    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }
    void setClock(TickSource ticks, Sleep sleep);

  protected:
    // The host's own idle, given its turn by pumpIdle.
    virtual void hostIdle() {}

    VSTGUI::CFrame* frame = nullptr;
    uint32_t nextIdleTime = 0;
    bool inIdle = false;

  private:
    VeSTEditorClient* client;
    CVeSTView* view = nullptr; // owned by the frame
    int32_t width;
    int32_t height;
    TickSource ticks;
    Sleep sleep;
};
