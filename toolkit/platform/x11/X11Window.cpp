// Opening and closing the X11 window, its geometry, pointer and cursor.
#include "X11Window.h"

#include "X11ErrorTrap.h"

#include <X11/cursorfont.h>
#include <dlfcn.h>

#include <cstdio>

namespace VSTGUI::platform {

namespace {

constexpr long kEventMask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            LeaveWindowMask | StructureNotifyMask;

// The address this module is loaded at, which makes the window class
// unique per loaded copy of the plug-in.
const void* moduleAddress() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&moduleAddress), &info) != 0 &&
        info.dli_fbase != nullptr)
        return info.dli_fbase;
    return reinterpret_cast<const void*>(&moduleAddress);
}

unsigned int cursorShape(int32_t type) {
    switch (type) {
    case kCursorWait:
        return XC_watch;
    case kCursorHSize:
        return XC_sb_h_double_arrow;
    case kCursorVSize:
        return XC_sb_v_double_arrow;
    case kCursorSizeAll:
        return XC_fleur;
    case kCursorNESWSize:
        return XC_bottom_left_corner;
    case kCursorNWSESize:
        return XC_bottom_right_corner;
    case kCursorNotAllowed:
        return XC_X_cursor;
    case kCursorHand:
        return XC_hand2;
    default:
        return 0;
    }
}

} // namespace

// Each window talks to the server on a connection of its own, so events
// of several editors (and of the host) never mix.
std::unique_ptr<NativeWindow> NativeWindow::create(void* parent, int width, int height,
                                                   WindowListener& listener) {
    if (parent == nullptr || width <= 0 || height <= 0) return nullptr;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return nullptr;
    return X11Window::open(display, ::Window(reinterpret_cast<uintptr_t>(parent)), width, height,
                           listener);
}

std::unique_ptr<NativeWindow> X11Window::open(Display* display, ::Window parent, int width,
                                              int height, WindowListener& listener) {
    std::unique_ptr<X11Window> created(new X11Window(display, listener));
    if (!created->createWindow(parent, width, height)) return nullptr;
    return created;
}

X11Window::X11Window(Display* d, WindowListener& l) : display(d), listener(l) {}

bool X11Window::createWindow(::Window parent, int w, int h) {
    X11ErrorTrap trap(display);
    XSetWindowAttributes attributes{};
    attributes.background_pixmap = None; // no clearing before a paint: no flicker
    attributes.bit_gravity = NorthWestGravity;
    attributes.event_mask = kEventMask;
    window = XCreateWindow(display, parent, 0, 0, unsigned(w), unsigned(h), 0, CopyFromParent,
                           InputOutput, CopyFromParent, CWBackPixmap | CWBitGravity | CWEventMask,
                           &attributes);
    XWindowAttributes created{};
    if (trap.failed() || XGetWindowAttributes(display, window, &created) == 0 || trap.failed()) {
        window = None; // the parent was no window; nothing was made
        return false;
    }
    visual = created.visual;
    depth = created.depth;
    width = w;
    height = h;
    nameWindow();
    gc = XCreateGC(display, window, 0, nullptr);
    damage = XCreateRegion();
    shown.reset(w, h);
    screenOrigin(knownOrigin);
    XMapWindow(display, window);
    invalidate(ViewRect(0, 0, w, h));
    return !trap.failed();
}

void X11Window::nameWindow() {
    char className[48];
    std::snprintf(className, sizeof className, "Plugin%p", moduleAddress());
    char windowName[] = "Window";
    XClassHint hint{windowName, className};
    XSetClassHint(display, window, &hint);
    XStoreName(display, window, windowName);
}

X11Window::~X11Window() {
    {
        X11ErrorTrap trap(display);
        releasePointer();
        releaseBackBuffer(); // Cairo's surfaces go before the connection does
        if (cursor != None) XFreeCursor(display, cursor);
        if (gc != nullptr) XFreeGC(display, gc);
        if (window != None) XDestroyWindow(display, window);
    }
    if (damage != nullptr) XDestroyRegion(damage);
    XCloseDisplay(display);
}

// After the server destroyed the window only local resources remain to free.
void X11Window::forgetWindow() {
    grabbed = false;
    window = None;
    releaseBackBuffer();
}

// ---- geometry ----------------------------------------------------------------

bool X11Window::resize(int w, int h) {
    if (!isAlive() || w <= 0 || h <= 0) return false;
    X11ErrorTrap trap(display);
    XResizeWindow(display, window, unsigned(w), unsigned(h));
    if (trap.failed()) return false;
    width = w;
    height = h;
    releaseBackBuffer(); // the next paint makes one of the new size
    shown.reset(w, h);
    invalidate(ViewRect(0, 0, w, h));
    return true;
}

bool X11Window::getPosition(int& x, int& y) {
    if (!isAlive()) return false;
    X11ErrorTrap trap(display);
    ::Window root = None;
    unsigned int w = 0, h = 0, border = 0, windowDepth = 0;
    const Status ok = XGetGeometry(display, window, &root, &x, &y, &w, &h, &border, &windowDepth);
    return ok != 0 && !trap.failed();
}

bool X11Window::getParentRect(ViewRect& rect) {
    if (!isAlive()) return false;
    X11ErrorTrap trap(display);
    ::Window root = None, parent = None, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return false;
    if (children != nullptr) XFree(children);
    int x = 0, y = 0;
    unsigned int w = 0, h = 0, border = 0, parentDepth = 0;
    if (XGetGeometry(display, parent, &root, &x, &y, &w, &h, &border, &parentDepth) == 0 ||
        trap.failed())
        return false;
    rect = ViewRect(x, y, x + int(w), y + int(h));
    return true;
}

bool X11Window::screenOrigin(ViewPoint& origin) {
    if (!isAlive()) return false;
    X11ErrorTrap trap(display);
    ::Window child = None;
    int x = 0, y = 0;
    if (!XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child) ||
        trap.failed())
        return false;
    origin = ViewPoint(x, y);
    return true;
}

// ---- pointer and cursor --------------------------------------------------------

bool X11Window::pointerPosition(ViewPoint& where) {
    if (!isAlive()) return false;
    X11ErrorTrap trap(display);
    ::Window root = None, child = None;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(display, window, &root, &child, &rootX, &rootY, &x, &y, &mask) ||
        trap.failed())
        return false;
    where = ViewPoint(x, y);
    return true;
}

// The draw context subtracts the origin its target reported, the same
// known one added here, so it gets the pointer in window coordinates even
// after the host moved its window: no need to ask the server for the
// origin on every paint.
bool X11Window::queryScreenPointer(void* self, ViewPoint& position) {
    auto* owner = static_cast<X11Window*>(self);
    ViewPoint inWindow;
    if (!owner->pointerPosition(inWindow)) return false;
    position = ViewPoint(inWindow.x + owner->knownOrigin.x, inWindow.y + owner->knownOrigin.y);
    return true;
}

CButtonState X11Window::currentButtons() {
    if (!isAlive()) return 0;
    X11ErrorTrap trap(display);
    ::Window root = None, child = None;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(display, window, &root, &child, &rootX, &rootY, &x, &y, &mask) ||
        trap.failed())
        return 0;
    return heldButtonBits(mask) | modifierBits(mask) | heldExtraButtons;
}

void X11Window::setCursor(int32_t type) {
    if (!isAlive()) return;
    X11ErrorTrap trap(display);
    if (cursor != None) XFreeCursor(display, cursor);
    cursor = None;
    if (const unsigned int shape = cursorShape(type); shape != 0)
        cursor = XCreateFontCursor(display, shape);
    if (cursor != None)
        XDefineCursor(display, window, cursor);
    else
        XUndefineCursor(display, window);
}

void X11Window::releasePointer() {
    if (!grabbed) return;
    XUngrabPointer(display, CurrentTime);
    grabbed = false;
}

DrawTarget X11Window::drawTarget() {
    DrawTarget target;
    target.bounds = ViewRect(0, 0, width, height);
    if (!ensureBackBuffer()) return target;
    target.surface = backBuffer;
    target.window = this;
    target.windowOrigin = knownOrigin;
    target.pointerQuery = &X11Window::queryScreenPointer;
    return target;
}

} // namespace VSTGUI::platform
