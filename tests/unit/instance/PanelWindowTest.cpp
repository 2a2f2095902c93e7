// The panel window the CLAP and LV2 shells share, under a virtual X server:
// what the host sets and what the panel draws meet in the same sliders.
#include "instance/PanelWindow.h"
#include "effect/Amplifier.h"
#include "instance/AmpInstance.h"
#include "support/HostWindow.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace {

struct RecordingListener : gravelo::instance::PanelListener {
    void panelGestureBegin(int) override {}
    void panelValue(int control, double value) override { values.push_back({control, value}); }
    void panelGestureEnd(int) override {}
    void panelResized(int width, int height) override { sizes.push_back({width, height}); }
    std::vector<std::pair<int, double>> values;
    std::vector<std::pair<int, int>> sizes;
};

// A host's change reaches the knob at the panel's next frame, and is not
// reported back to the host as a change of the panel's own.
TEST(PanelWindow, AHostChangeMovesTheKnobAndIsNotReportedBack) {
    gravelo::test::display::HostWindow parent;
    gravelo::instance::AmpInstance amp;
    ASSERT_TRUE(amp.activate(48000.0, 256));
    RecordingListener listener;
    gravelo::instance::PanelWindow window(amp, listener);
    ASSERT_TRUE(window.open(parent.handle()));
    window.tick();

    ASSERT_TRUE(amp.setControl(1, 10.0));
    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // one frame is due
    window.tick();
    EXPECT_EQ(amp.control(1), 10.0);
    EXPECT_EQ(amp.amplifier().knobValue(1), 10.0);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    window.tick();
    EXPECT_EQ(amp.control(1), 10.0) << "the knob keeps the host's value";
    EXPECT_TRUE(listener.values.empty()) << "no change of the panel's own reached the host";
    window.close();
}

} // namespace
