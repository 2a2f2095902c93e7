// The mouse as the editor last reported it (written on the user-interface thread).
#pragma once

#include "CVobrixGraphics.h"
#include "SharedValue.h"

class CVobrixMouse : public CVobrixGraphics {
  public:
    // Bits: 1 left, 2 right, 4 Control, 8 Shift, 16 Alt, 64 middle.
    SharedValue mouseButtons{0.0};
    SharedValue mouseX{0.0};
    SharedValue mouseY{0.0};
    // Where a button last went down: drags count from here, however late
    // the next frame comes and wherever the pointer is by then.
    SharedValue mousePressX{0.0};
    SharedValue mousePressY{0.0};
    // The last release no panel frame has taken yet (buttons 0: none): the
    // buttons that went up, where the pointer was then and where they had
    // gone down (gravelo::runtime::takeMouseFrame hands it on).
    SharedValue releasedButtons{0.0};
    SharedValue releaseX{0.0};
    SharedValue releaseY{0.0};
    SharedValue releasePressX{0.0};
    SharedValue releasePressY{0.0};
    // Wheel notches no panel frame has taken yet, added up (up positive);
    // they turn the knob under mouseX, mouseY.
    SharedValue wheelNotches{0.0};
};
