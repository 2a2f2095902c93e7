// The view's tick on Windows: a timer on the panel's own window, run by the
// host's message loop on its main thread. The timer's id is the view, so
// the timer procedure finds it without any table.
#include "vst3/Vst3View.h"

#include <windows.h>

namespace gravelo::vst3 {

using namespace gravelo::vst3::api;

namespace {

constexpr UINT kTickMs = 1000 / instance::PanelWindow::kTickRate;

void CALLBACK onWindowTimer(HWND, UINT, UINT_PTR id, DWORD) {
    reinterpret_cast<Vst3View*>(id)->tick();
}

} // namespace

const char* Vst3View::platformType() {
    return kPlatformTypeHWND;
}

bool Vst3View::startTicks() {
    HWND panel = static_cast<HWND>(window.nativeWindow());
    timerRegistered = panel != nullptr && SetTimer(panel, reinterpret_cast<UINT_PTR>(this), kTickMs,
                                                   onWindowTimer) != 0;
    return timerRegistered;
}

void Vst3View::stopTicks() {
    HWND panel = static_cast<HWND>(window.nativeWindow());
    if (timerRegistered && panel != nullptr && IsWindow(panel))
        KillTimer(panel, reinterpret_cast<UINT_PTR>(this));
    timerRegistered = false;
}

} // namespace gravelo::vst3
