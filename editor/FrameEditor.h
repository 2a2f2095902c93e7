// The editor any shell can show: a frame window in the host's window
// holding one view that shows the client's drawing, the client's idle tick
// with the repaints it asks for, and the idle pumping a frame needs during a
// legacy mouse loop. It knows no plug-in format: a format's editor derives
// from it for the knob mode, the parameter gestures, the host's own idle and
// telling the host of a new window size.
//
// The client draws in width x height units; the window is that times the
// content scale, chosen in this order (ContentScale.h): the host's scale,
// when it gave one; else the system's; else GRAVELO_UI_SCALE; else 1.
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

    // ---- content scale
    // The host's scale (0 or less: the host gives none). While open, a scale
    // that changes the window's size resizes it and tells the host.
    void setHostScale(double scale);
    // The host made its window width x height physical pixels (a user
    // dragged its corner): the panel takes the scale that fits, and the
    // window follows without telling the host back (getWindowWidth and
    // getWindowHeight tell the size taken).
    void fitHostWindow(int32_t windowWidth, int32_t windowHeight);
    // The scale in force, or that an open would take now.
    double getContentScale();
    // The window's size in physical pixels at that scale.
    int32_t getWindowWidth();
    int32_t getWindowHeight();
    // The size in physical pixels that a host's window of width x height
    // would get (what fitHostWindow takes), without changing anything.
    void fittedSize(int32_t& windowWidth, int32_t& windowHeight) const;
    void systemScaleChanged(double systemScale) override;

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
    // The open window now has width x height physical pixels because the
    // scale changed on the plug-in's side; the host's window should follow.
    virtual void hostResize(int32_t /*windowWidth*/, int32_t /*windowHeight*/) {}

    VSTGUI::CFrame* frame = nullptr;
    uint32_t nextIdleTime = 0;
    bool inIdle = false;

  private:
    // The scale the sources give now; the system is asked once per open.
    double chosenScale();
    // Brings an open frame to the chosen scale; true when its size changed.
    bool followScale();

    VeSTEditorClient* client;
    double hostScale = 0.0;
    double systemScale = 0.0;
    bool systemScaleKnown = false;
    CVeSTView* view = nullptr; // owned by the frame
    int32_t width;
    int32_t height;
    TickSource ticks;
    Sleep sleep;
};
