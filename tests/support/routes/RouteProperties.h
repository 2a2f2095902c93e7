// What every format must do, written once over Route. Each property answers
// an empty string when the route holds it, else one line saying what
// differed, so that tests assert it and the planted faults below show that
// it can fail.
#pragma once

#include "support/routes/Route.h"

#include <functional>
#include <memory>
#include <string>

namespace gravelo::test::routes {

using Make = std::function<std::unique_ptr<Route>()>;

// The same settings, also changed between blocks, give the reference's
// left output bit for bit.
std::string rendersLike(const Make& route, const Make& reference);
// A chunk whose floats lie between steps (a VST 2.x drag leaves such
// values) loads as the host-value rule gives each float, sounds as the
// reference sounds with it, and is saved back byte for byte.
std::string loadsSavedFloatsAsTheRuleGives(const Make& route, const Make& reference);
// Saved and loaded into a new instance: the same values, the same sound,
// the same bytes.
std::string stateRoundTripIsExact(const Make& route);
// A damaged state is refused (where the format refuses it) and changes
// neither the state nor the sound.
std::string damagedStateChangesNothing(const Make& route);
// A host's value, between steps or not, is what the host reads back, what
// the state saves and so what the knob and the sound take.
std::string hostChangeReachesTheControl(const Make& route);
// A change at a frame inside a block sounds as the block split there.
std::string midBlockChangeEqualsSplitBlock(const Make& route);
// Deactivated and activated again, it sounds as a new instance.
std::string reactivationStartsAfresh(const Make& route);

// One fault planted in a route, each caught by one property above.
enum class Fault {
    OutputBitFlipped,     // rendersLike
    SavedFloatOneUlpOff,  // loadsSavedFloatsAsTheRuleGives
    LoadMissesAControl,   // stateRoundTripIsExact
    DamageRepaired,       // damagedStateChangesNothing
    HostValueShifted,     // hostChangeReachesTheControl
    ChangeAtBlockStart,   // midBlockChangeEqualsSplitBlock
    ActivationKeepsSound, // reactivationStartsAfresh
};
Make withFault(const Make& route, Fault fault);

} // namespace gravelo::test::routes
