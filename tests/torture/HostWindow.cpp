#include "HostWindow.h"

#include "CaseRunner.h"

#include <X11/extensions/XTest.h>
#include <unistd.h>

namespace torture {

HostWindow::HostWindow() {
    // A busy virtual server may refuse a connection for a moment when many
    // arrive at once; a host would simply try again.
    for (int attempt = 0; attempt < 40 && display == nullptr; ++attempt) {
        display = XOpenDisplay(nullptr);
        if (display == nullptr) usleep(50000);
    }
    check(display != nullptr, "cannot open the X display");
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True; // stays at (0, 0) whatever manages windows
    window = XCreateWindow(display, DefaultRootWindow(display), 0, 0, 640, 320, 0, CopyFromParent,
                           InputOutput, CopyFromParent, CWOverrideRedirect, &attributes);
    XMapRaised(display, window);
    XSync(display, False);
}

HostWindow::~HostWindow() {
    if (!destroyed) XDestroyWindow(display, window);
    XCloseDisplay(display);
}

void HostWindow::destroy() {
    XDestroyWindow(display, window);
    XSync(display, False);
    destroyed = true;
}

int HostWindow::children() {
    if (destroyed) return 0;
    Window root, parent, *list = nullptr;
    unsigned count = 0;
    XSync(display, False);
    if (!XQueryTree(display, window, &root, &parent, &list, &count)) return -1;
    if (list != nullptr) XFree(list);
    return static_cast<int>(count);
}

void HostWindow::drag(int x, int y, int dy, int steps) {
    const int screen = DefaultScreen(display);
    XTestFakeMotionEvent(display, screen, x, y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    for (int i = 1; i <= steps; ++i)
        XTestFakeMotionEvent(display, screen, x, y + dy * i / steps, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}

} // namespace torture
