// The embedded editor as the CLAP gui extension drives it: one platform
// implementation per window system (X11 on Linux, Win32 on Windows), chosen
// by the build. Main thread only.
#pragma once

#include "clap/ClapInterface.h"
#include "effect/panel/PanelLayout.h"

#include <memory>

namespace clapshell {

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
    // The host's timer and descriptor calls (Linux).
    virtual void onTimer(clap_id /*timer*/) {}
    virtual void onFd(int /*fd*/, uint32_t /*flags*/) {}
};

} // namespace clapshell
