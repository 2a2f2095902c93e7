// A key as the host reports it; shared by the host's editor face and the
// views that handle keys.
#pragma once

#include <cstdint>

struct KeyCode {
    int32_t character;
    unsigned char virt;     // virtual key
    unsigned char modifier; // modifier bits
};

// The virtual key of Tab, which moves the focus between views.
constexpr unsigned char kVirtualKeyTab = 2;
// Modifier bit of Shift: Tab with it moves the focus backwards.
constexpr unsigned char kModifierShift = 1;
