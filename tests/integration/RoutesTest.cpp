// Every format through the modules this build made, as its hosts load them,
// held to the properties every format shares; and each property shown to
// fail on a fault planted in each format's route.
#include "support/routes/RouteProperties.h"

#include <gtest/gtest.h>

namespace gravelo::test::routes {

namespace {

const std::vector<RouteMaker>& routes() {
    // Streams of one byte per call: the most a host may split a state.
    static const std::vector<RouteMaker> all = allRoutes(builtEntries(), {1, true});
    return all;
}

const Make& reference() {
    return routes().front().make;
}

using Property = std::string (*)(const Make&);

std::string rendersLikeVst2(const Make& route) {
    return rendersLike(route, reference());
}

std::string loadsLikeVst2(const Make& route) {
    return loadsSavedFloatsAsTheRuleGives(route, reference());
}

struct Case {
    const char* name;
    Property holds;
    Fault planted;
};

const Case kCases[] = {
    {"renders like VST 2.x", rendersLikeVst2, Fault::OutputBitFlipped},
    {"loads saved floats as the rule gives them", loadsLikeVst2, Fault::SavedFloatOneUlpOff},
    {"state round trip is exact", stateRoundTripIsExact, Fault::LoadMissesAControl},
    {"damaged state changes nothing", damagedStateChangesNothing, Fault::DamageRepaired},
    {"host change reaches the control", hostChangeReachesTheControl, Fault::HostValueShifted},
    {"mid-block change equals a split block", midBlockChangeEqualsSplitBlock,
     Fault::ChangeAtBlockStart},
    {"re-activation starts afresh", reactivationStartsAfresh, Fault::ActivationKeepsSound},
};

} // namespace

TEST(Routes, EveryFormatHoldsEveryProperty) {
    for (const RouteMaker& route : routes())
        for (const Case& c : kCases)
            EXPECT_EQ(c.holds(route.make), "") << route.name << ": " << c.name;
}

// A property that cannot fail proves nothing: each one fails on its fault.
// A format that takes no change inside a block, or whose activation keeps
// the sound (VST 2.x), has no such fault.
TEST(Routes, EachPropertyFailsOnAFaultPlantedInEachFormat) {
    for (const RouteMaker& route : routes())
        for (const Case& c : kCases) {
            const auto probe = route.make();
            if ((c.planted == Fault::ChangeAtBlockStart && !probe->timesChanges()) ||
                (c.planted == Fault::ActivationKeepsSound && !probe->startsAfresh()))
                continue;
            EXPECT_NE(c.holds(withFault(route.make, c.planted)), "")
                << route.name << ": " << c.name;
        }
}

} // namespace gravelo::test::routes
