// What every format's panel must do, written once over PanelRoute, under
// the test's virtual X server. Each property answers an empty string when
// the panel holds it, else one line saying what differed.
#pragma once

#include "support/routes/PanelRoute.h"

namespace gravelo::test::routes {

using MakePanel = std::function<std::unique_ptr<PanelRoute>()>;

// A host's change moves the knob (and back), and is not reported back.
std::string hostChangeMovesTheKnob(const MakePanel& panel);
// Output dragged up 20 px reaches the host as begin, values, end, ending
// at +10 dB; a panel that reports no gestures (VST 2.x) passes.
std::string dragReachesTheHostAsAGesture(const MakePanel& panel);

// Five wheel notches up over Output, and Output dragged up 20 px with Shift
// held, each reach the host as one gesture ending at +2.5 dB and +1 dB (a
// step per notch, a tenth of a plain drag), the host holding that value. A
// panel that reports no gestures (VST 2.x) ignores the wheel (knob and host
// stay at 0 dB) and Shift (the drag goes to +10 dB as a plain one does).
std::string wheelTurnsAStepPerNotch(const MakePanel& panel);
std::string shiftDragMovesATenth(const MakePanel& panel);

// The button goes up 0 to 5 ms after the last motion, before the panel's
// next frame: ten times, the drag still ends where the pointer went up.
std::string quickReleaseEndsWhereThePointerWentUp(const MakePanel& panel);

enum class PanelFault {
    HostChangeDropped, // hostChangeMovesTheKnob
    GestureEndLost,    // dragReachesTheHostAsAGesture
    LastValueLost,     // quickReleaseEndsWhereThePointerWentUp
    HostValueOff,      // the host reads a step of Output (0.5 dB) more than the panel set
    GestureBeginLost,  // the first begin does not reach the host
};
MakePanel withFault(const MakePanel& panel, PanelFault fault);

} // namespace gravelo::test::routes
