// Creating and destroying the frame window, its pointer, cursor and drops.
#include "Win32Window.h"

#include "CDropTarget.h"
#include "ModuleInstance.h"
#include "Win32Buttons.h"
#include "Win32Class.h"

namespace VSTGUI::platform {
namespace {

constexpr DWORD kChildStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN; // 0x56000000

// Window composition (major version 6 on) double-buffers the window.
DWORD extendedStyle() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExW(&version) || version.dwMajorVersion < 6) return 0;
    return WS_EX_COMPOSITED;
}

LPCWSTR cursorName(int32_t type) {
    switch (type) {
    case kCursorWait:
        return IDC_WAIT;
    case kCursorHSize:
        return IDC_SIZEWE;
    case kCursorVSize:
        return IDC_SIZENS;
    case kCursorSizeAll:
        return IDC_SIZEALL;
    case kCursorNESWSize:
        return IDC_SIZENESW;
    case kCursorNWSESize:
        return IDC_SIZENWSE;
    case kCursorNotAllowed:
        return IDC_NO;
    case kCursorHand:
        return IDC_HAND;
    default:
        return nullptr;
    }
}

} // namespace

std::unique_ptr<NativeWindow> NativeWindow::create(void* parent, int width, int height,
                                                   WindowListener& listener) {
    return Win32Window::open(static_cast<HWND>(parent), width, height, listener);
}

std::unique_ptr<NativeWindow> Win32Window::open(HWND parent, int width, int height,
                                                WindowListener& listener) {
    if (parent == nullptr || !IsWindow(parent) || width <= 0 || height <= 0) return nullptr;
    std::unique_ptr<Win32Window> created(new Win32Window(listener, width, height));
    if (!created->createWindow(parent)) return nullptr;
    return created;
}

Win32Window::Win32Window(WindowListener& l, int w, int h) : listener(l), width(w), height(h) {}

bool Win32Window::createWindow(HWND parent) {
    const wchar_t* className = acquireWindowClass();
    if (className == nullptr) return false;
    classHeld = true;
    window =
        CreateWindowExW(extendedStyle(), className, L"Window", kChildStyle, 0, 0, width, height,
                        parent, nullptr, static_cast<HINSTANCE>(moduleInstance()), nullptr);
    if (window == nullptr) return false;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
}

Win32Window::~Win32Window() {
    acceptDrops(false);
    releasePointer();
    releaseBackBuffer();
    destroyWindow();
}

// The user-data slot is cleared first: the destroy message then goes to
// the default procedure instead of a listener that is going away.
void Win32Window::destroyWindow() {
    if (window != nullptr) {
        releaseHeldDeviceContext();
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
        window = nullptr;
    }
    if (classHeld) releaseWindowClass();
    classHeld = false;
}

// ---- geometry ----------------------------------------------------------------

bool Win32Window::getPosition(int& x, int& y) {
    if (!isAlive()) return false;
    RECT rect{};
    if (!GetWindowRect(window, &rect)) return false;
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    x = rect.left;
    y = rect.top;
    return true;
}

bool Win32Window::getParentRect(ViewRect& rect) {
    if (!isAlive()) return false;
    HWND parent = GetParent(window);
    RECT area{};
    if (parent == nullptr || !GetWindowRect(parent, &area)) return false;
    MapWindowPoints(nullptr, GetParent(parent), reinterpret_cast<POINT*>(&area), 2);
    rect = ViewRect(area.left, area.top, area.right, area.bottom);
    return true;
}

ViewPoint Win32Window::screenOrigin() const {
    RECT rect{};
    if (window != nullptr) GetWindowRect(window, &rect);
    return ViewPoint(rect.left, rect.top);
}

// ---- pointer and cursor --------------------------------------------------------

bool Win32Window::pointerPosition(ViewPoint& where) {
    if (!isAlive()) return false;
    POINT point{};
    if (!GetCursorPos(&point)) return false;
    const ViewPoint origin = screenOrigin();
    where = ViewPoint(point.x - origin.x, point.y - origin.y);
    return true;
}

bool Win32Window::queryScreenPointer(void*, ViewPoint& position) {
    POINT point{};
    if (!GetCursorPos(&point)) return false;
    position = ViewPoint(point.x, point.y);
    return true;
}

CButtonState Win32Window::currentButtons() {
    return asyncButtons(mouseButtonsSwapped());
}

void Win32Window::setCursor(int32_t type) {
    if (!defaultCursorKnown) {
        defaultCursor = GetCursor();
        defaultCursorKnown = true;
    }
    const LPCWSTR name = cursorName(type);
    SetCursor(name != nullptr ? LoadCursorW(nullptr, name) : defaultCursor);
}

void Win32Window::releasePointer() {
    if (isAlive() && GetCapture() == window) ReleaseCapture();
}

void Win32Window::acceptDrops(bool active) {
    if (dropTarget != nullptr) {
        RevokeDragDrop(window);
        dropTarget->Release();
        dropTarget = nullptr;
    }
    if (!active || !isAlive()) return;
    dropTarget = new CDropTarget(listener);
    dropTarget->AddRef();
    if (RegisterDragDrop(window, dropTarget) != S_OK) {
        dropTarget->Release();
        dropTarget = nullptr;
    }
}

} // namespace VSTGUI::platform
