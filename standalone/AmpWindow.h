// The window titled "Gravelo I": the panel as the plug-in shows it (the
// engine's panel window) and the strip beneath it, in a top-level window
// of the program's own, both at the desktop's content scale (or
// GRAVELO_UI_SCALE's). User-interface thread only.
#pragma once

#include "instance/PanelWindow.h"
#include "standalone/StripView.h"

#include <memory>
#include <vector>

namespace VSTGUI {
class CFrame;
namespace platform {
class TopLevelWindow;
}
} // namespace VSTGUI

namespace gravelo::standalone {

class AmpWindow final : private instance::PanelListener {
  public:
    // In panel units; the window is this times the content scale.
    static constexpr int kWidth = instance::PanelWindow::kWidth;
    static constexpr int kHeight = instance::PanelWindow::kHeight + 48;
    static constexpr int kTickRate = instance::PanelWindow::kTickRate;

    // Null when there is no display to open it on.
    static std::unique_ptr<AmpWindow> open(instance::AmpInstance& amp, StripListener& strip);
    ~AmpWindow();
    AmpWindow(const AmpWindow&) = delete;
    AmpWindow& operator=(const AmpWindow&) = delete;

    // The panel's tick and the strip's idle, the strip showing `status`.
    void tick(const StripStatus& status);
    // True once the user closed the window.
    bool closeRequested();
    // What to poll for the window's events.
    std::vector<int> eventDescriptors() const;

  private:
    AmpWindow(instance::AmpInstance& amp, StripListener& strip);
    bool build();

    // The panel's gestures matter to hosts that record them; here the
    // controls it sets are the whole story.
    void panelGestureBegin(int) override {}
    void panelValue(int, double) override {}
    void panelGestureEnd(int) override {}
    // The scale is the desktop's, fixed while the window is open.
    void panelResized(int, int) override {}

    StripListener& stripListener;
    std::unique_ptr<VSTGUI::platform::TopLevelWindow> top;
    instance::PanelWindow panel;
    VSTGUI::CFrame* stripFrame = nullptr;
    StripView* strip = nullptr;
};

} // namespace gravelo::standalone
