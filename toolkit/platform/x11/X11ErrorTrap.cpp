#include "X11ErrorTrap.h"

namespace VSTGUI::platform {

namespace {
// Xlib's error callback carries no user pointer, so the innermost trap in
// force is found here. It is set only while a trap lives on the
// user-interface thread and restored when the trap ends.
X11ErrorTrap* innermost = nullptr;
} // namespace

X11ErrorTrap::X11ErrorTrap(Display* d)
    : display(d), previous(XSetErrorHandler(&X11ErrorTrap::handle)), outer(innermost) {
    innermost = this;
}

X11ErrorTrap::~X11ErrorTrap() {
    syncIfPending();
    innermost = outer;
    XSetErrorHandler(previous);
}

// Errors arrive asynchronously: only after a round trip is every failure
// of the requests made under the trap known.
void X11ErrorTrap::syncIfPending() {
    if (display != nullptr && XNextRequest(display) - 1 > XLastKnownRequestProcessed(display))
        XSync(display, False);
}

bool X11ErrorTrap::failed() {
    syncIfPending();
    return errors > 0;
}

// Errors of other connections (the host's own) go to the handler that was
// in force before, so the host still sees them.
int X11ErrorTrap::handle(Display* display, XErrorEvent* error) {
    for (X11ErrorTrap* trap = innermost; trap != nullptr; trap = trap->outer) {
        if (trap->display != display) continue;
        ++trap->errors;
        return 0;
    }
    X11ErrorTrap* outermost = innermost;
    while (outermost != nullptr && outermost->outer != nullptr)
        outermost = outermost->outer;
    if (outermost != nullptr && outermost->previous != nullptr)
        return outermost->previous(display, error);
    return 0;
}

} // namespace VSTGUI::platform
