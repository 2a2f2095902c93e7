// Every format's panel through the modules this build made, held to the
// properties every panel shares, and each property shown to fail on a fault
// planted in each format's panel.
#include "support/routes/PanelProperties.h"

#include <gtest/gtest.h>

namespace gravelo::test::routes {

namespace {

struct Case {
    const char* name;
    std::string (*holds)(const MakePanel&);
    PanelFault planted;
};

const Case kCases[] = {
    {"a host change moves the knob", hostChangeMovesTheKnob, PanelFault::HostChangeDropped},
    {"a drag reaches the host as a gesture", dragReachesTheHostAsAGesture,
     PanelFault::GestureEndLost},
    {"a quick release ends the drag where the pointer went up",
     quickReleaseEndsWhereThePointerWentUp, PanelFault::LastValueLost},
    {"the wheel turns a knob a step per notch", wheelTurnsAStepPerNotch, PanelFault::HostValueOff},
    {"a Shift-drag moves a tenth as far", shiftDragMovesATenth, PanelFault::GestureBeginLost},
};

// Faults a panel without gestures can show.
bool showsWithoutGestures(PanelFault fault) {
    return fault == PanelFault::HostChangeDropped || fault == PanelFault::HostValueOff;
}

} // namespace

TEST(PanelRoutes, EveryPanelHoldsEveryPropertyAndFailsOnItsPlantedFault) {
    for (const PanelRouteMaker& panel : allPanelRoutes(builtEntries()))
        for (const Case& c : kCases) {
            EXPECT_EQ(c.holds(panel.make), "") << panel.name << ": " << c.name;
            if (!showsWithoutGestures(c.planted) && !panel.make()->reportsGestures()) continue;
            EXPECT_NE(c.holds(withFault(panel.make, c.planted)), "")
                << panel.name << ": " << c.name;
        }
}

} // namespace gravelo::test::routes
