#include "HostWindow.h"

#include <X11/Xlib.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace gravelo::test::display {
namespace {

// A busy server may refuse a connection for a moment when many arrive at
// once; a host would simply try again.
Display* connectPatiently() {
    for (int attempt = 0; attempt < 40; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) return display;
        usleep(50000);
    }
    throw std::runtime_error("cannot open the X display");
}

Window windowOf(void* handle) {
    return Window(reinterpret_cast<uintptr_t>(handle));
}

} // namespace

HostWindow::HostWindow(int x, int y, int width, int height)
    : connection(connectPatiently()), originX(x), originY(y) {
    XSetWindowAttributes attributes{};
    attributes.background_pixel = BlackPixel(connection, DefaultScreen(connection));
    attributes.override_redirect = True;
    attributes.event_mask = StructureNotifyMask;
    parent = XCreateWindow(connection, DefaultRootWindow(connection), x, y, unsigned(width),
                           unsigned(height), 0, CopyFromParent, InputOutput, CopyFromParent,
                           CWBackPixel | CWOverrideRedirect | CWEventMask, &attributes);
    XMapRaised(connection, parent);
    // Wait for the map so that input reaches the window from the first event on.
    XEvent event;
    do
        XNextEvent(connection, &event);
    while (event.type != MapNotify);
}

HostWindow::~HostWindow() {
    if (!destroyed) XDestroyWindow(connection, parent);
    XCloseDisplay(connection);
}

void HostWindow::destroy() {
    XDestroyWindow(connection, parent);
    XSync(connection, False);
    destroyed = true;
}

int HostWindow::childCount() const {
    if (destroyed) return 0;
    Window root = None, up = None, *children = nullptr;
    unsigned int count = 0;
    XSync(connection, False);
    if (!XQueryTree(connection, parent, &root, &up, &children, &count)) return -1;
    if (children != nullptr) XFree(children);
    return int(count);
}

bool HostWindow::childSize(int& width, int& height) const {
    if (destroyed) return false;
    Window root = None, up = None, *children = nullptr;
    unsigned int count = 0;
    XSync(connection, False);
    if (!XQueryTree(connection, parent, &root, &up, &children, &count) || count == 0) return false;
    const Window child = children[0];
    XFree(children);
    return windowSize(reinterpret_cast<void*>(uintptr_t(child)), width, height);
}

bool HostWindow::windowSize(void* window, int& width, int& height) const {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(connection, windowOf(window), &attributes) == 0) return false;
    width = attributes.width;
    height = attributes.height;
    return true;
}

ScreenResources::ScreenResources(const char* text) : connection(connectPatiently()) {
    if (const char* old = XResourceManagerString(connection)) {
        hadBefore = true;
        before.assign(old, old + std::strlen(old) + 1);
    }
    store(text);
}

ScreenResources::~ScreenResources() {
    store(hadBefore ? before.data() : nullptr);
    XCloseDisplay(connection);
}

void ScreenResources::store(const char* text) {
    const Window root = DefaultRootWindow(connection);
    if (text == nullptr)
        XDeleteProperty(connection, root, XA_RESOURCE_MANAGER);
    else
        XChangeProperty(connection, root, XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text), int(std::strlen(text)));
    XSync(connection, False);
}

void HostWindow::moveTo(int x, int y) {
    XTestFakeMotionEvent(connection, DefaultScreen(connection), originX + x, originY + y,
                         CurrentTime);
    XSync(connection, False);
}

void HostWindow::button(unsigned int number, bool down) {
    XTestFakeButtonEvent(connection, number, down ? True : False, CurrentTime);
    XSync(connection, False);
}

void HostWindow::controlKey(bool down) {
    XTestFakeKeyEvent(connection, XKeysymToKeycode(connection, XK_Control_L), down ? True : False,
                      CurrentTime);
    XSync(connection, False);
}

void HostWindow::shiftKey(bool down) {
    XTestFakeKeyEvent(connection, XKeysymToKeycode(connection, XK_Shift_L), down ? True : False,
                      CurrentTime);
    XSync(connection, False);
}

// X reports a notch as a press and release of button 4 (up) or 5 (down).
void HostWindow::wheel(int notches) {
    const unsigned int button = notches > 0 ? 4 : 5;
    for (int i = 0; i < std::abs(notches); ++i) {
        XTestFakeButtonEvent(connection, button, True, CurrentTime);
        XTestFakeButtonEvent(connection, button, False, CurrentTime);
    }
    XSync(connection, False);
}

void HostWindow::drag(int x, int y, int dy, int steps) {
    const int screen = DefaultScreen(connection);
    XTestFakeMotionEvent(connection, screen, originX + x, originY + y, CurrentTime);
    XTestFakeButtonEvent(connection, 1, True, CurrentTime);
    for (int i = 1; i <= steps; ++i)
        XTestFakeMotionEvent(connection, screen, originX + x, originY + y + dy * i / steps,
                             CurrentTime);
    XTestFakeButtonEvent(connection, 1, False, CurrentTime);
    XSync(connection, False);
}

void HostWindow::dragInLoop(int x, int y, int dy, const std::function<void(int)>& loop) {
    moveTo(x - 1, y + 1);
    loop(40);
    moveTo(x, y);
    loop(100);
    button(1, true);
    loop(100);
    const int step = dy < 0 ? -5 : 5;
    for (int moved = step; std::abs(moved) <= std::abs(dy); moved += step) {
        moveTo(x, y + moved);
        loop(60);
    }
    button(1, false);
    loop(100);
}

std::vector<uint32_t> HostWindow::captureBox(int x, int y, int width, int height) const {
    const std::vector<uint32_t> all = capture(handle(), x + width, y + height);
    std::vector<uint32_t> box;
    if (all.empty()) return box;
    for (int row = y; row < y + height; ++row) {
        const auto start = all.begin() + std::ptrdiff_t(row) * (x + width) + x;
        box.insert(box.end(), start, start + width);
    }
    return box;
}

void HostWindow::dragPatiently(int x, int y, int dy) {
    using namespace std::chrono_literals;
    moveTo(x, y + 1);
    std::this_thread::sleep_for(100ms);
    moveTo(x, y);
    std::this_thread::sleep_for(200ms);
    button(1, true);
    std::this_thread::sleep_for(200ms);
    const int step = dy < 0 ? -5 : 5;
    for (int moved = step; std::abs(moved) <= std::abs(dy); moved += step) {
        moveTo(x, y + moved);
        std::this_thread::sleep_for(150ms);
    }
    std::this_thread::sleep_for(700ms);
    button(1, false);
}

void HostWindow::flick(int x, int y, int dy, int releaseDelayMs,
                       const std::function<void()>& idle) {
    moveTo(x, y);
    idle();
    button(1, true);
    idle();
    const int step = dy < 0 ? -5 : 5;
    for (int moved = step; moved != dy && std::abs(moved) < std::abs(dy); moved += step) {
        moveTo(x, y + moved);
        idle();
    }
    moveTo(x, y + dy);
    usleep(static_cast<useconds_t>(releaseDelayMs) * 1000);
    button(1, false);
    idle();
}

VSTGUI::Colour HostWindow::pixel(void* window, int x, int y) const {
    XImage* image = XGetImage(connection, windowOf(window), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return VSTGUI::kTransparentColour;
    const unsigned long value = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return VSTGUI::Colour{uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value), 255};
}

std::vector<uint32_t> HostWindow::capture(void* window, int width, int height) const {
    std::vector<uint32_t> pixels;
    XImage* image = XGetImage(connection, windowOf(window), 0, 0, unsigned(width), unsigned(height),
                              AllPlanes, ZPixmap);
    if (image == nullptr) return pixels;
    pixels.reserve(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(uint32_t(XGetPixel(image, x, y) & 0xffffff));
    XDestroyImage(image);
    return pixels;
}

void HostWindow::scribble(void* window, int x, int y, int width, int height) {
    GC gc = XCreateGC(connection, windowOf(window), 0, nullptr);
    XSetForeground(connection, gc, 0xff0000);
    XFillRectangle(connection, windowOf(window), gc, x, y, unsigned(width), unsigned(height));
    XFreeGC(connection, gc);
    XSync(connection, False);
}

void HostWindow::expose(void* window, int x, int y, int width, int height) {
    // The window has no background, so the clear changes no pixel; it only
    // sends the Expose.
    XClearArea(connection, windowOf(window), x, y, unsigned(width), unsigned(height), True);
    XSync(connection, False);
}

} // namespace gravelo::test::display
