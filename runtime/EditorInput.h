// What an editor's mouse events do to the runtime, for every shell: the
// position is stored, on a press also as the press point and with the
// buttons (none after a release), and the redraw rate gfxRate is raised to
// at least the effect's redrawRate so the panel follows the mouse.
//
// A panel reads the mouse once per frame, and a hand often releases the
// button before a frame has seen the last motion. So a release is also kept
// until a frame takes it, and takeMouseFrame first shows that frame the
// pointer at the release position with the buttons still held, then the
// release: a drag ends exactly where the pointer went up, in every format,
// however late the frame comes. User-interface thread.
#pragma once

#include <cstdint>

class TVobrix;

namespace gravelo::runtime {

// The runtime's mouse-button word from an editor's button state bits:
// 2 left → 1, 8 right → 2, 32 Control → 4, 16 Shift → 8, 64 Alt → 16,
// 4 middle → 64; other bits are dropped.
double mouseButtonsFromButtonState(int32_t buttons);

// The mouse as one panel frame sees it; press is where the buttons went down.
struct MouseState {
    double buttons = 0.0, x = 0.0, y = 0.0, pressX = 0.0, pressY = 0.0;
    bool operator==(const MouseState&) const = default;
};

// What a frame goes through, oldest first: after a release no frame has
// taken, that release with the buttons held and then without them; last
// the mouse as it is now. The release counts as taken.
struct MouseFrame {
    MouseState states[3];
    int count = 0;
};
MouseFrame takeMouseFrame(TVobrix& runtime);
// The mouse as it is now, taking nothing.
MouseState currentMouse(const TVobrix& runtime);
// Raises gfxRate to at least redrawRate (a NaN rate stays), so the panel
// draws its frames: on mouse events, and where a shell shows the panel.
void raiseRedrawRate(TVobrix& runtime);
// Whether a release waits for a frame (a drag has not ended for the panel).
bool releasePending(const TVobrix& runtime);

void mouseDown(TVobrix& runtime, double x, double y, int32_t buttonState);
void mouseUp(TVobrix& runtime, double x, double y);
void mouseMoved(TVobrix& runtime, double x, double y);
// Vertical wheel notches (up positive) turned at (x, y): the pointer moves
// there, and the notches wait, added up, for the next frame to take them,
// as a release does.
void mouseWheel(TVobrix& runtime, double x, double y, double notches);
double takeWheelNotches(TVobrix& runtime);

} // namespace gravelo::runtime
