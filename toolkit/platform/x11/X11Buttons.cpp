#include "X11Buttons.h"

#include <X11/X.h>

#include <cstdlib>

namespace VSTGUI::platform {

CButtonState modifierBits(unsigned int state) {
    CButtonState bits = 0;
    if (state & ShiftMask) bits |= kShift;
    if (state & ControlMask) bits |= kControl;
    if (state & Mod1Mask) bits |= kAlt;
    return bits;
}

CButtonState heldButtonBits(unsigned int state) {
    CButtonState bits = 0;
    if (state & Button1Mask) bits |= kLButton;
    if (state & Button2Mask) bits |= kMButton;
    if (state & Button3Mask) bits |= kRButton;
    return bits;
}

CButtonState buttonBit(unsigned int button) {
    switch (button) {
    case Button1:
        return kLButton;
    case Button2:
        return kMButton;
    case Button3:
        return kRButton;
    case 8:
        return kButton4;
    case 9:
        return kButton5;
    default:
        return 0;
    }
}

WheelStep wheelStep(unsigned int button) {
    switch (button) {
    case Button4:
        return {true, kMouseWheelAxisY, 1.0f};
    case Button5:
        return {true, kMouseWheelAxisY, -1.0f};
    case 6:
        return {true, kMouseWheelAxisX, -1.0f};
    case 7:
        return {true, kMouseWheelAxisX, 1.0f};
    default:
        return {};
    }
}

bool DoubleClickDetector::press(unsigned int button, uint32_t timeMs, int x, int y) {
    // Unsigned subtraction survives the server's millisecond clock wrapping.
    const bool isDouble = armed && button == lastButton && timeMs - lastTime <= kMaxIntervalMs &&
                          std::abs(x - lastX) <= kMaxDistance &&
                          std::abs(y - lastY) <= kMaxDistance;
    armed = !isDouble;
    lastButton = button;
    lastTime = timeMs;
    lastX = x;
    lastY = y;
    return isDouble;
}

} // namespace VSTGUI::platform
