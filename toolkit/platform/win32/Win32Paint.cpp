// Paint messages, the device context handed to draw contexts and the back
// buffer of systems without window composition.
#include "Win32Window.h"

#include <cmath>

namespace VSTGUI::platform {

void Win32Window::invalidate(const ViewRect& rect) {
    if (!isAlive()) return;
    RECT area{LONG(std::floor(rect.left)), LONG(std::floor(rect.top)), LONG(std::ceil(rect.right)),
              LONG(std::ceil(rect.bottom))};
    InvalidateRect(window, &area, TRUE);
}

// The host's message loop delivers the window's messages; an idle tick only
// gives back a device context fetched since the last one.
void Win32Window::processEvents() {
    releaseHeldDeviceContext();
}

// At most one pending paint of the thread's windows, and nothing else.
void Win32Window::paintPending() {
    MSG message{};
    if (PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&message);
}

// An empty update region draws nothing. It is still validated, so that a
// paint message the system cannot explain does not come back forever.
void Win32Window::onPaint() {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetUpdateRgn(window, region, FALSE);
    if (kind == NULLREGION || kind == ERROR) {
        ValidateRect(window, nullptr);
    } else {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        releaseHeldDeviceContext();
        paintDC = dc;
        const RECT& r = paint.rcPaint;
        if (dc != nullptr) listener.windowPaint(ViewRect(r.left, r.top, r.right, r.bottom));
        paintDC = nullptr;
        EndPaint(window, &paint);
    }
    DeleteObject(region);
}

DrawTarget Win32Window::drawTarget() {
    DrawTarget target;
    target.bounds = ViewRect(0, 0, width, height);
    if (!isAlive()) return target;
    target.surface = ensureBackBuffer() ? bufferDC : currentDeviceContext();
    target.window = this;
    target.windowOrigin = screenOrigin();
    target.pointerQuery = &Win32Window::queryScreenPointer;
    return target;
}

// With a back buffer the drawn area is copied onto the window; without one
// the drawing already went there.
void Win32Window::present(const ViewRect& rect) {
    if (bufferDC == nullptr || !isAlive()) return;
    HDC screen = currentDeviceContext();
    if (screen == nullptr) return;
    const int x = int(rect.left), y = int(rect.top);
    const int w = int(std::ceil(rect.right)) - x, h = int(std::ceil(rect.bottom)) - y;
    if (w > 0 && h > 0) BitBlt(screen, x, y, w, h, bufferDC, x, y, SRCCOPY);
}

HDC Win32Window::currentDeviceContext() {
    if (paintDC != nullptr) return paintDC;
    if (heldDC == nullptr && isAlive()) heldDC = GetDC(window);
    return heldDC;
}

void Win32Window::releaseHeldDeviceContext() {
    if (heldDC != nullptr && window != nullptr) ReleaseDC(window, heldDC);
    heldDC = nullptr;
}

// Only systems before window composition (major version 5 and older).
bool Win32Window::wantsBackBuffer() const {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExW(&version) && version.dwMajorVersion <= 5;
}

bool Win32Window::ensureBackBuffer() {
    if (bufferDC != nullptr) return true;
    if (!isAlive() || !wantsBackBuffer()) return false;
    HDC screen = GetDC(window);
    bufferDC = CreateCompatibleDC(screen);
    bufferBitmap = bufferDC != nullptr ? CreateCompatibleBitmap(screen, width, height) : nullptr;
    ReleaseDC(window, screen);
    if (bufferBitmap == nullptr) {
        releaseBackBuffer();
        return false;
    }
    bufferOldBitmap = SelectObject(bufferDC, bufferBitmap);
    return true;
}

void Win32Window::releaseBackBuffer() {
    if (bufferDC != nullptr && bufferOldBitmap != nullptr) SelectObject(bufferDC, bufferOldBitmap);
    if (bufferBitmap != nullptr) DeleteObject(bufferBitmap);
    if (bufferDC != nullptr) DeleteDC(bufferDC);
    bufferDC = nullptr;
    bufferBitmap = nullptr;
    bufferOldBitmap = nullptr;
}

} // namespace VSTGUI::platform
