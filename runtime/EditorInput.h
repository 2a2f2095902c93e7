// What an editor's mouse events do to the runtime, for every shell: the
// position is stored, on a press also as the press point and with the
// buttons (none after a release), and the redraw rate gfxRate is raised to
// at least the effect's redrawRate so the panel follows the mouse.
// User-interface thread.
#pragma once

#include <cstdint>

class TVobrix;

namespace vobrix {

// The runtime's mouse-button word from an editor's button state bits:
// 2 left → 1, 8 right → 2, 32 Control → 4, 16 Shift → 8, 64 Alt → 16,
// 4 middle → 64; other bits are dropped.
double mouseButtonsFromButtonState(int32_t buttons);

void mouseDown(TVobrix& runtime, double x, double y, int32_t buttonState);
void mouseUp(TVobrix& runtime, double x, double y);
void mouseMoved(TVobrix& runtime, double x, double y);

} // namespace vobrix
