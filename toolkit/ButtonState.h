// The bit set a mouse event carries: which buttons are down, which modifier
// keys are held, and whether the press completes a double click.
#pragma once

#include <cstdint>

namespace VSTGUI {

using CButtonState = int32_t;

enum ButtonStateBits : CButtonState {
    kLButton = 2,
    kMButton = 4,
    kRButton = 8,
    kShift = 16,
    kControl = 32,
    kAlt = 64,
    kButton4 = 256,
    kButton5 = 512,
    kDoubleClick = 1024,
};

// Answers of the mouse operations of views.
enum CMouseEventResult : int32_t {
    kMouseEventNotImplemented = 0,
    kMouseEventHandled = 1,
    kMouseEventNotHandled = 2,
};

// Wheel axes: horizontal travel arrives negated at the one-axis form.
enum CMouseWheelAxis : int32_t { kMouseWheelAxisX = 0, kMouseWheelAxisY = 1 };

} // namespace VSTGUI
