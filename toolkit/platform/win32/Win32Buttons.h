// The frame's button-state bits from Win32 message flags and key states.
#pragma once

#include "toolkit/ButtonState.h"

#include <windows.h>

namespace VSTGUI::platform {

// From a mouse message's key flags; alt from the key state right now.
CButtonState buttonsFromMessage(WPARAM keyFlags);
// Shift, control and alt held right now (no buttons): for the wheel.
CButtonState heldModifiers();
// Physical buttons read asynchronously, mapped through the swap setting.
CButtonState asyncButtons(bool swapped);
// The wheel delta in whole notches, truncated toward zero.
float wheelNotches(WPARAM wParam);

} // namespace VSTGUI::platform
