// Resizing the frame window, and the host's windows around it so that the
// new size shows: each ancestor grows by what it had around its child.
#include "Win32Window.h"

#include <algorithm>
#include <cwchar>

namespace VSTGUI::platform {
namespace {

// Beyond this many pixels of surroundings the ancestor is no plain frame
// around the editor; the walk stops there.
constexpr int kMaxSurround = 80;

int outerWidth(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.right - r.left;
}

int outerHeight(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.bottom - r.top;
}

bool isMdiClient(HWND window) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return std::wcscmp(name, L"MDIClient") == 0;
}

void setOuterSize(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

bool Win32Window::resize(int w, int h) {
    if (!isAlive() || w <= 0 || h <= 0) return false;
    releaseBackBuffer(); // the next paint makes one of the new size
    width = w;
    height = h;
    const int border = 2 * GetSystemMetrics(SM_CYDLGFRAME);
    if (border == 0) {
        setOuterSize(window, w, h);
        return true;
    }
    HWND current = window;
    int dx = 0, dy = 0;
    for (HWND ancestor = GetParent(current); ancestor != nullptr && !isMdiClient(ancestor);
         ancestor = GetParent(current)) {
        setOuterSize(current, w + dx, h + dy);
        dx += outerWidth(ancestor) - outerWidth(current);
        dy += outerHeight(ancestor) - outerHeight(current);
        if (dx > kMaxSurround || dy > kMaxSurround) return true;
        dx = std::max(dx, 0);
        dy = std::max(dy, 0);
        current = ancestor;
        if (dx == border) break;
    }
    setOuterSize(current, w + dx, h + dy);
    return true;
}

} // namespace VSTGUI::platform
