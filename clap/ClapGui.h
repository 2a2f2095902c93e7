// The embedded editor as the CLAP gui extension drives it: one platform
// implementation per window system (X11 on Linux, Win32 on Windows), chosen
// by the build. Sizes are in physical pixels: the panel's 600 x 284 times
// its content scale (the host's set_scale, else the system's), resizable
// by the host between 1x and 3x with the panel's aspect. Main thread only.
#pragma once

#include "clap/ClapInterface.h"
#include "effect/panel/PanelLayout.h"

#include <memory>

namespace gravelo::clap {

class ClapAmp;

class ClapGui {
  public:
    static constexpr uint32_t kWidth = panel_layout::kWidth;
    static constexpr uint32_t kHeight = panel_layout::kHeight;

    // The window API this build embeds into ("x11" or "win32").
    static const char* windowApi();
    // Whether the host offers what the editor needs to run (on Linux the
    // timer support that gives it time).
    static bool hostCanRun(const ClapAmp& owner);
    // The editor's resources, without a window yet; null on failure.
    static std::unique_ptr<ClapGui> create(ClapAmp& owner);

    // Unregisters everything it registered with the host and closes its
    // window, even when the host already destroyed the parent.
    virtual ~ClapGui() = default;

    // Embeds the editor's window into the host's; false if already done or
    // the window cannot be made.
    virtual bool setParent(const clap_window& parent) = 0;
    virtual bool show() = 0;
    virtual bool hide() = 0;
    // The host's scale; a change while shown asks the host to resize.
    virtual void setScale(double scale) = 0;
    virtual void size(uint32_t& width, uint32_t& height) const = 0;
    // The size the panel would take in a host window of width x height.
    virtual void adjust(uint32_t& width, uint32_t& height) const = 0;
    // Takes width x height when it is a size the panel can take (one that
    // adjust leaves as it is); false and nothing changed otherwise.
    virtual bool setSize(uint32_t width, uint32_t height) = 0;
    // The host's timer and descriptor calls (Linux).
    virtual void onTimer(clap_id /*timer*/) {}
    virtual void onFd(int /*fd*/, uint32_t /*flags*/) {}
};

} // namespace gravelo::clap
