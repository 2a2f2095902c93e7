// Pure translations of X pointer-event fields into the toolkit's button
// state, and the double-click detector X itself lacks.
#pragma once

#include "toolkit/ButtonState.h"

#include <cstdint>

namespace VSTGUI::platform {

// Shift, Control and Alt (Mod1) of an event's state field.
CButtonState modifierBits(unsigned int state);
// Left, middle and right buttons held according to an event's state field.
CButtonState heldButtonBits(unsigned int state);
// The bit of X button number 1, 2, 3, 8 or 9; 0 for the wheel buttons
// 4 to 7 and any other number.
CButtonState buttonBit(unsigned int button);

// X button numbers 4 to 7 are wheel notches: 4 up and 5 down on the
// vertical axis, 6 left and 7 right on the horizontal one.
struct WheelStep {
    bool isWheel = false;
    CMouseWheelAxis axis = kMouseWheelAxisY;
    float distance = 0.0f;
};
WheelStep wheelStep(unsigned int button);

// A press counts as a double click when the same button was pressed
// before within the time limit and near the same point, as desktops do.
// The press that completes a double click starts no new one.
class DoubleClickDetector {
  public:
    static constexpr uint32_t kMaxIntervalMs = 400;
    static constexpr int kMaxDistance = 4;

    bool press(unsigned int button, uint32_t timeMs, int x, int y);

  private:
    bool armed = false;
    unsigned int lastButton = 0;
    uint32_t lastTime = 0;
    int lastX = 0;
    int lastY = 0;
};

} // namespace VSTGUI::platform
