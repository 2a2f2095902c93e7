// Catches the X errors of one display connection while it lives, instead
// of letting Xlib's default handler end the host. Install it only around
// calls that can fail (a window the host has already destroyed answers
// BadWindow); the previous handler is restored when it ends.
#pragma once

#include <X11/Xlib.h>

namespace VSTGUI::platform {

class X11ErrorTrap {
  public:
    explicit X11ErrorTrap(Display* display);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // Waits for the server to answer every request made so far and tells
    // whether any of them failed.
    [[nodiscard]] bool failed();

  private:
    static int handle(Display* display, XErrorEvent* error);
    void syncIfPending();

    Display* display;
    XErrorHandler previous;
    X11ErrorTrap* outer;
    int errors = 0;
};

} // namespace VSTGUI::platform
