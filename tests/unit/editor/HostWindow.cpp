#include "HostWindow.h"

#include <X11/Xlib.h>

#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <stdexcept>

HostWindow::HostWindow(int x, int y, int width, int height)
    : connection(XOpenDisplay(nullptr)), parent(None), originX(x), originY(y) {
    if (connection == nullptr) throw std::runtime_error("no display");
    parent = XCreateSimpleWindow(connection, DefaultRootWindow(connection), x, y, unsigned(width),
                                 unsigned(height), 0, 0, 0);
    XSelectInput(connection, parent, StructureNotifyMask);
    XMapWindow(connection, parent);
    // Without a window manager the map happens at once; wait for it so input
    // reaches the window from the first event on.
    XEvent event;
    do
        XNextEvent(connection, &event);
    while (event.type != MapNotify);
}

HostWindow::~HostWindow() {
    if (parent != None) XDestroyWindow(connection, parent);
    XCloseDisplay(connection);
}

void HostWindow::destroyParent() {
    XDestroyWindow(connection, parent);
    XSync(connection, False);
    parent = None;
}

int HostWindow::childCount() const {
    Window root = None, up = None, *children = nullptr;
    unsigned int count = 0;
    XQueryTree(connection, parent, &root, &up, &children, &count);
    if (children != nullptr) XFree(children);
    return int(count);
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

VSTGUI::Colour HostWindow::pixel(void* window, int x, int y) const {
    XImage* image = XGetImage(connection, Window(reinterpret_cast<uintptr_t>(window)), x, y, 1, 1,
                              AllPlanes, ZPixmap);
    if (image == nullptr) return VSTGUI::kTransparentColour;
    const unsigned long value = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return VSTGUI::Colour{uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value), 255};
}

std::vector<uint32_t> HostWindow::capture(void* window, int width, int height) const {
    std::vector<uint32_t> pixels;
    XImage* image = XGetImage(connection, Window(reinterpret_cast<uintptr_t>(window)), 0, 0,
                              unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (image == nullptr) return pixels;
    pixels.reserve(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(uint32_t(XGetPixel(image, x, y) & 0xffffff));
    XDestroyImage(image);
    return pixels;
}

void HostWindow::scribble(void* window, int x, int y, int width, int height) {
    const Window target = Window(reinterpret_cast<uintptr_t>(window));
    GC gc = XCreateGC(connection, target, 0, nullptr);
    XSetForeground(connection, gc, 0xff0000);
    XFillRectangle(connection, target, gc, x, y, unsigned(width), unsigned(height));
    XFreeGC(connection, gc);
    XSync(connection, False);
}

void HostWindow::expose(void* window, int x, int y, int width, int height) {
    // The window has no background, so the clear changes no pixel; it only
    // sends the Expose.
    XClearArea(connection, Window(reinterpret_cast<uintptr_t>(window)), x, y, unsigned(width),
               unsigned(height), True);
    XSync(connection, False);
}
