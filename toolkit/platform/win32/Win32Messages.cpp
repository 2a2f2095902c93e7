// The window procedure: each message kind in a function of its own.
#include "Win32Window.h"

#include "Win32Buttons.h"

#include <windowsx.h>

namespace VSTGUI::platform {
namespace {

// Sent when the window lands on a monitor of another DPI: to a top-level
// window with the new DPI (hosts may pass it on to their plug-in's window),
// and to a child after its parent took the new DPI (Windows 10 1703 on).
constexpr UINT kDpiChanged = 0x02E0;            // WM_DPICHANGED
constexpr UINT kDpiChangedAfterParent = 0x02E3; // WM_DPICHANGED_AFTERPARENT

ViewPoint clientPoint(LPARAM lParam) {
    return ViewPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

bool isButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_XBUTTONDOWN;
}

bool isDoubleClick(UINT message) {
    return message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK ||
           message == WM_MBUTTONDBLCLK || message == WM_XBUTTONDBLCLK;
}

bool isButtonUp(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP ||
           message == WM_XBUTTONUP;
}

} // namespace

// Without a window object in the user-data slot every message goes to the
// default procedure.
LRESULT CALLBACK Win32Window::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT Win32Window::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND handle = window;
    if (isButtonDown(message)) {
        onButtonDown(wParam, lParam, 0);
        return 0;
    }
    if (isDoubleClick(message)) {
        onButtonDown(wParam, lParam, kDoubleClick);
        return 0;
    }
    if (isButtonUp(message)) {
        onButtonUp(wParam, lParam);
        return 0;
    }
    switch (message) {
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers everything
    case WM_MOUSEMOVE:
        onMouseMove(wParam, lParam);
        return 0;
    case WM_MOUSELEAVE:
        onMouseLeave();
        return 0;
    case WM_MOUSEWHEEL:
        onWheel(wParam, lParam);
        break;
    case WM_DESTROY:
        onDestroy();
        break;
    case kDpiChanged:
        listener.windowSystemScaleChanged(scaleOfDpi(LOWORD(wParam)));
        return 0;
    case kDpiChangedAfterParent:
        listener.windowSystemScaleChanged(systemContentScale(window));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(handle, message, wParam, lParam);
}

// A press the views take keeps the mouse until its release, even outside.
void Win32Window::onButtonDown(WPARAM wParam, LPARAM lParam, CButtonState extra) {
    const CButtonState buttons = buttonsFromMessage(GET_KEYSTATE_WPARAM(wParam)) | extra;
    if (listener.windowMouseDown(clientPoint(lParam), buttons) == kMouseEventHandled && isAlive())
        SetCapture(window);
}

void Win32Window::onButtonUp(WPARAM wParam, LPARAM lParam) {
    listener.windowMouseUp(clientPoint(lParam), buttonsFromMessage(GET_KEYSTATE_WPARAM(wParam)));
    ReleaseCapture();
}

// One leave notification is asked for whenever none is pending.
void Win32Window::onMouseMove(WPARAM wParam, LPARAM lParam) {
    if (!trackingLeave && isAlive()) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, 0};
        trackingLeave = TrackMouseEvent(&track) != FALSE;
    }
    listener.windowMouseMoved(clientPoint(lParam), buttonsFromMessage(GET_KEYSTATE_WPARAM(wParam)));
}

void Win32Window::onMouseLeave() {
    trackingLeave = false;
    listener.windowMouseLeft();
}

// The wheel's position comes in screen coordinates.
void Win32Window::onWheel(WPARAM wParam, LPARAM lParam) {
    const ViewPoint origin = screenOrigin();
    const ViewPoint where(GET_X_LPARAM(lParam) - origin.x, GET_Y_LPARAM(lParam) - origin.y);
    listener.windowWheel(where, kMouseWheelAxisY, wheelNotches(wParam), heldModifiers());
}

// Usually the host destroying its own window: the drop registration goes
// while the window still exists, then the window is forgotten.
void Win32Window::onDestroy() {
    acceptDrops(false);
    releaseHeldDeviceContext();
    releaseBackBuffer();
    window = nullptr;
    listener.windowDestroyed();
}

} // namespace VSTGUI::platform
