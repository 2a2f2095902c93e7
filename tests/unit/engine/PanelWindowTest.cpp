// The panel window the CLAP and LV2 shells share, under a virtual X server:
// what the host sets and what the panel draws meet in the same sliders.
#include "engine/PanelWindow.h"
#include "effect/TVobrixEffect.h"
#include "engine/AmpInstance.h"
#include "support/HostWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct RecordingListener : engine::PanelListener {
    void panelGestureBegin(int) override {}
    void panelValue(int control, double value) override { values.push_back({control, value}); }
    void panelGestureEnd(int) override {}
    void panelResized(int width, int height) override { sizes.push_back({width, height}); }
    std::vector<std::pair<int, double>> values;
    std::vector<std::pair<int, int>> sizes;
};

// The host sets Output on the audio thread just after the panel took the host
// changes and before it drew, so the draw writes the knob's older value over
// it, as the real race does; the next tick must give the host's value back.
TEST(PanelWindow, AHostChangeOverwrittenByADrawIsPutBackAtTheNextTick) {
    testdisplay::HostWindow parent;
    engine::AmpInstance amp;
    ASSERT_TRUE(amp.activate(48000.0, 256));
    RecordingListener listener;
    engine::PanelWindow window(amp, listener);
    ASSERT_TRUE(window.open(parent.handle()));
    window.tick();

    ASSERT_TRUE(amp.setControl(1, 10.0));
    amp.effect().sliderValues[2] = 0.0; // the knob's value, drawn over the host's
    window.tick();
    EXPECT_EQ(amp.control(1), 10.0);
    EXPECT_EQ(amp.effect().panel.knob(1).value, 10.0);
    window.tick();
    EXPECT_EQ(amp.control(1), 10.0) << "the knob keeps the host's value";
    EXPECT_TRUE(listener.values.empty()) << "no change of the panel's own reached the host";
    window.close();
}

} // namespace
