// The amplifier's panel in a child window of a host's window: the editor of
// the VST 2.x plug-in (its frame editor, without the VST 2.x glue), driven
// by the host's idle tick instead of its editor idle call. It also tells its owner what the panel
// did to the controls, as gestures with values, so a format whose hosts record panel changes (CLAP)
// can pass them on. Main thread only.
#pragma once

#include "editor/VeSTEditorClient.h"
#include "effect/panel/PanelLayout.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>

class CVeSTCanvas;

namespace gravelo::instance {

class AmpInstance;
class PanelEditor;

// What the panel did: a control grabbed (reported with its first change while
// the mouse button is held or the wheel turns), its new values, and the
// release (for the wheel: once it rests). Every begin gets its end, also when
// the window closes mid-drag. And the open window's new
// size in physical pixels when its scale changed on the panel's side (a host
// scale or the system's), for the host's window to follow.
class PanelListener {
  public:
    virtual void panelGestureBegin(int control) = 0;
    virtual void panelValue(int control, double value) = 0;
    virtual void panelGestureEnd(int control) = 0;
    virtual void panelResized(int windowWidth, int windowHeight) = 0;

  protected:
    ~PanelListener() = default;
};

class PanelWindow final : public VeSTEditorClient {
  public:
    static constexpr int kWidth = panel_layout::kWidth;
    static constexpr int kHeight = panel_layout::kHeight;
    // Ticks per second the panel wants (its redraw rate).
    static constexpr int kTickRate = static_cast<int>(panel_layout::kRedrawRate);
    // A wheel turn is one gesture until the wheel rests this long: a host
    // then records a turn of many notches as one undo step, and its touch
    // automation holds the control through the turn instead of letting go
    // between notches (a gesture per notch did both, notch by notch).
    static constexpr int kWheelRestMs = 300;

    PanelWindow(AmpInstance& amp, PanelListener& listener);
    ~PanelWindow() override;
    PanelWindow(const PanelWindow&) = delete;
    PanelWindow& operator=(const PanelWindow&) = delete;

    // Opens the panel in `parent` (an X11 window id cast to a pointer, or a
    // HWND); false when no window could be made or one is open already.
    bool open(void* parent);
    // Closes the window; open gestures end. Harmless when nothing is open.
    void close();
    bool isOpen() const;
    // The panel's own window (an X11 window id or a HWND); null when closed.
    void* nativeWindow() const;
    // Readable when window events wait (X11's connection); -1 if none.
    int eventDescriptor() const;

    // ---- content scale: the panel draws in kWidth x kHeight units; its
    // window is that times the scale (the host's, else the system's, else
    // GRAVELO_UI_SCALE, else 1; clamped to 1 .. 3).
    // The host's scale; 0 or less: none. A change while open resizes the
    // window and reports the new size (panelResized).
    void setHostScale(double scale);
    // The host's window is width x height physical pixels (a user dragged
    // it): the panel takes the largest scale that fits, keeping its aspect.
    void fitHostWindow(int windowWidth, int windowHeight);
    // What fitHostWindow would make of width x height, changing nothing.
    void fittedSize(int& windowWidth, int& windowHeight) const;
    double contentScale() const;
    int windowWidth() const;
    int windowHeight() const;

    // The idle tick: window events are handled, the panel is repainted when
    // due (its knobs take what a host set meanwhile), and the panel's own
    // changes are reported to the listener.
    void tick();

  private:
    // The editor's client: the effect draws, takes the mouse and idles.
    void onDraw(VSTGUI::CDrawContext* context, double width, double height) override;
    void onMouseDown(double x, double y, int32_t buttons) override;
    void onMouseUp(double x, double y, int32_t buttons) override;
    void onMouseMoved(double x, double y, int32_t buttons) override;
    bool onWheel(double x, double y, float notches, int32_t buttons) override;
    void onKeyDown(const KeyCode&) override {}
    void onKeyUp(const KeyCode&) override {}
    bool onEditorIdle() override;
    CVeSTCanvas* editorCanvas() override { return canvas.get(); }

    void noteHostChanges();
    void reportPanelChanges();
    void endGestures();
    bool wheelTurning();

    AmpInstance& amp;
    PanelListener& listener;
    std::unique_ptr<CVeSTCanvas> canvas; // what the effect draws on
    std::unique_ptr<PanelEditor> editor;
    std::array<uint32_t, gravelo::kControlCount> hostChangesSeen{};
    std::array<double, gravelo::kControlCount> reported{}; // the values the host knows of
    std::array<bool, gravelo::kControlCount> grabbed{};
    std::chrono::steady_clock::time_point lastNotch{}; // the last wheel notch, if wheelTurned
    bool wheelTurned = false;
};

} // namespace gravelo::instance
