#include "Win32Buttons.h"

#include <cmath>

namespace VSTGUI::platform {
namespace {

bool keyHeld(int key) {
    return GetKeyState(key) < 0;
}
bool keyHeldNow(int key) {
    return GetAsyncKeyState(key) < 0;
}

} // namespace

CButtonState buttonsFromMessage(WPARAM keyFlags) {
    CButtonState state = 0;
    if (keyFlags & MK_LBUTTON) state |= kLButton;
    if (keyFlags & MK_RBUTTON) state |= kRButton;
    if (keyFlags & MK_MBUTTON) state |= kMButton;
    if (keyFlags & MK_XBUTTON1) state |= kButton4;
    if (keyFlags & MK_XBUTTON2) state |= kButton5;
    if (keyFlags & MK_CONTROL) state |= kControl;
    if (keyFlags & MK_SHIFT) state |= kShift;
    if (keyHeld(VK_MENU)) state |= kAlt;
    return state;
}

CButtonState heldModifiers() {
    CButtonState state = 0;
    if (keyHeld(VK_SHIFT)) state |= kShift;
    if (keyHeld(VK_CONTROL)) state |= kControl;
    if (keyHeld(VK_MENU)) state |= kAlt;
    return state;
}

CButtonState asyncButtons(bool swapped) {
    CButtonState state = 0;
    if (keyHeldNow(VK_LBUTTON)) state |= swapped ? kRButton : kLButton;
    if (keyHeldNow(VK_MBUTTON)) state |= kMButton;
    if (keyHeldNow(VK_RBUTTON)) state |= swapped ? kLButton : kRButton;
    if (keyHeldNow(VK_SHIFT)) state |= kShift;
    if (keyHeldNow(VK_CONTROL)) state |= kControl;
    if (keyHeldNow(VK_MENU)) state |= kAlt;
    return state;
}

float wheelNotches(WPARAM wParam) {
    const int delta = static_cast<short>(HIWORD(wParam));
    // Whole notches, as the X11 backend reports them; exact: no quotient of a
    // short by 120 lies within a float's spacing of the next integer.
    return std::trunc(static_cast<float>(delta) / WHEEL_DELTA);
}

} // namespace VSTGUI::platform
