// Draining the connection and turning each kind of X event into a call on
// the window's listener.
#include "X11ErrorTrap.h"
#include "X11Window.h"

namespace VSTGUI::platform {

// Reads only what has already arrived: never waits for the server.
void X11Window::processEvents() {
    X11ErrorTrap trap(display);
    while (isAlive() && XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        dispatch(event);
    }
    paintDamage();
}

void X11Window::paintPending() {
    X11ErrorTrap trap(display);
    XEvent event;
    while (isAlive() && XCheckTypedWindowEvent(display, window, Expose, &event))
        onExpose(event.xexpose);
    paintDamage();
}

void X11Window::dispatch(XEvent& event) {
    if (event.xany.window != window) return;
    switch (event.type) {
    case Expose:
        onExpose(event.xexpose);
        break;
    case ButtonPress:
        onButtonPress(event.xbutton);
        break;
    case ButtonRelease:
        onButtonRelease(event.xbutton);
        break;
    case MotionNotify:
        onMotion(event.xmotion);
        break;
    case LeaveNotify:
        onLeave(event.xcrossing);
        break;
    case DestroyNotify:
        onDestroy(event.xdestroywindow);
        break;
    default:
        break;
    }
}

// Every exposed piece joins one region, painted once when the queue is empty.
// The server lost those pixels, so they go to it even if nothing changed.
void X11Window::onExpose(const XExposeEvent& event) {
    shown.forget({event.x, event.y, event.width, event.height});
    invalidate(ViewRect(event.x, event.y, event.x + event.width, event.y + event.height));
}

void X11Window::onButtonPress(const XButtonEvent& event) {
    const ViewPoint where(event.x, event.y);
    if (const WheelStep step = wheelStep(event.button); step.isWheel) {
        listener.windowWheel(where, step.axis, step.distance, modifierBits(event.state));
        return;
    }
    const CButtonState pressed = buttonBit(event.button);
    if (pressed == 0) return;
    heldExtraButtons |= pressed & (kButton4 | kButton5);
    CButtonState buttons =
        pressed | heldButtonBits(event.state) | heldExtraButtons | modifierBits(event.state);
    if (clicks.press(event.button, uint32_t(event.time), event.x, event.y)) buttons |= kDoubleClick;
    if (listener.windowMouseDown(where, buttons) == kMouseEventHandled) grabPointer(event);
}

// The view that took the press keeps the pointer even outside the window
// until the button goes up.
void X11Window::grabPointer(const XButtonEvent& event) {
    if (grabbed || !isAlive()) return;
    const unsigned int mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    grabbed = XGrabPointer(display, window, False, mask, GrabModeAsync, GrabModeAsync, None, None,
                           event.time) == GrabSuccess;
}

void X11Window::onButtonRelease(const XButtonEvent& event) {
    if (wheelStep(event.button).isWheel) return;
    const CButtonState released = buttonBit(event.button);
    if (released == 0) return;
    heldExtraButtons &= ~released;
    const CButtonState buttons =
        ((heldButtonBits(event.state) | heldExtraButtons) & ~released) | modifierBits(event.state);
    listener.windowMouseUp(ViewPoint(event.x, event.y), buttons);
    releasePointer();
}

void X11Window::onMotion(const XMotionEvent& event) {
    const CButtonState buttons =
        heldButtonBits(event.state) | heldExtraButtons | modifierBits(event.state);
    listener.windowMouseMoved(ViewPoint(event.x, event.y), buttons);
}

// Leaving into a child window or because of a grab is no real leave.
void X11Window::onLeave(const XCrossingEvent& event) {
    if (event.mode != NotifyNormal || event.detail == NotifyInferior) return;
    listener.windowMouseLeft();
}

void X11Window::onDestroy(const XDestroyWindowEvent& event) {
    if (event.window != window) return;
    forgetWindow();
    listener.windowDestroyed();
}

} // namespace VSTGUI::platform
