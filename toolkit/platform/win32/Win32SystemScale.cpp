// The monitor's content scale on Windows: the DPI the system gives the
// host's window over the 96 dots per inch of scale 1. Per monitor where the
// system knows monitors apart (Windows 10 1607 on: the window's own DPI;
// 8.1 on: the DPI of the monitor the window is on), else the system's one
// DPI. The newer functions are looked up at run time, so the module still
// loads on older systems and under Wine.
//
// A host that declares no DPI awareness is drawn by the system at 96 DPI
// and magnified as a whole picture; its windows then say nothing about the
// scale (0), so the user's override may speak instead.
#include "Win32Window.h"
#include "toolkit/ContentScale.h"

namespace VSTGUI::platform {
namespace {

constexpr int kEffectiveDpi = 0;      // MDT_EFFECTIVE_DPI
constexpr int kAwarenessUnaware = 0;  // DPI_AWARENESS_UNAWARE, PROCESS_DPI_UNAWARE
constexpr int kAwarenessInvalid = -1; // DPI_AWARENESS_INVALID

using DpiForWindow = UINT(WINAPI*)(HWND);
using WindowAwarenessContext = HANDLE(WINAPI*)(HWND);
using AwarenessOfContext = int(WINAPI*)(HANDLE);
using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using ProcessAwareness = HRESULT(WINAPI*)(HANDLE, int*);
using ProcessAware = BOOL(WINAPI*)();

template <class Function> Function lookUp(HMODULE module, const char* name) {
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// shcore.dll (Windows 8.1 on), loaded for one question and let go again.
class Shcore {
  public:
    Shcore() : module(LoadLibraryW(L"shcore.dll")) {}
    ~Shcore() {
        if (module != nullptr) FreeLibrary(module);
    }
    Shcore(const Shcore&) = delete;
    Shcore& operator=(const Shcore&) = delete;
    HMODULE get() const { return module; }

  private:
    HMODULE module;
};

// Whether the system draws window at its true DPI: the window's own
// awareness where the system has one per window, else the process's.
bool dpiAware(HWND window, HMODULE user32, HMODULE shcore) {
    const auto contextOf = lookUp<WindowAwarenessContext>(user32, "GetWindowDpiAwarenessContext");
    const auto awarenessOf =
        lookUp<AwarenessOfContext>(user32, "GetAwarenessFromDpiAwarenessContext");
    if (window != nullptr && contextOf != nullptr && awarenessOf != nullptr) {
        const int awareness = awarenessOf(contextOf(window));
        if (awareness != kAwarenessInvalid) return awareness != kAwarenessUnaware;
    }
    int processAwareness = kAwarenessUnaware;
    if (const auto processAwarenessOf = lookUp<ProcessAwareness>(shcore, "GetProcessDpiAwareness"))
        if (SUCCEEDED(processAwarenessOf(nullptr, &processAwareness)))
            return processAwareness != kAwarenessUnaware;
    // Vista to 8; before Vista the system never magnifies, so all are aware.
    const auto processAware = lookUp<ProcessAware>(user32, "IsProcessDPIAware");
    return processAware == nullptr || processAware() != FALSE;
}

UINT windowDpi(HWND window, HMODULE user32, HMODULE shcore) {
    if (window != nullptr) {
        if (const auto dpiForWindow = lookUp<DpiForWindow>(user32, "GetDpiForWindow"))
            if (const UINT dpi = dpiForWindow(window)) return dpi;
        if (const auto dpiForMonitor = lookUp<DpiForMonitor>(shcore, "GetDpiForMonitor")) {
            UINT x = 0, y = 0;
            HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
            if (SUCCEEDED(dpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && x > 0) return x;
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi > 0 ? UINT(dpi) : 0;
}

} // namespace

double scaleOfDpi(UINT dpi) {
    return dpi / kDotsPerInchAtScaleOne;
}

double systemContentScale(void* parent) {
    auto* window = static_cast<HWND>(parent);
    if (window != nullptr && !IsWindow(window)) window = nullptr;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const Shcore shcore;
    if (!dpiAware(window, user32, shcore.get())) return 0.0;
    return scaleOfDpi(windowDpi(window, user32, shcore.get()));
}

} // namespace VSTGUI::platform
