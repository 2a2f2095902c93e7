#include "effect/TVobrixEffect.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(AmplifierDescription, NamesNumbersAndSliders) {
    TVobrixEffect effect;
    EXPECT_EQ(effect.effectName, "Gravelo I");
    EXPECT_EQ(effect.productString, "Gravelo");
    EXPECT_EQ(effect.programName, "Gravelo");
    EXPECT_EQ(effect.vendorString, "Morvane");
    EXPECT_EQ(effect.vendorVersion, 1000);
    EXPECT_EQ(effect.uniqueId, 0x47525631u);
    EXPECT_EQ(effect.channelCount, 2);
    ASSERT_EQ(effect.sliderInfos.size(), 9u);
    const double expected[10] = {0, 0, 0, 0, 0, 0, 0, 0, 8, 0};
    for (int n = 0; n < 128; ++n)
        EXPECT_EQ(effect.sliderValues[n].load(), n < 10 ? expected[n] : 0.0) << n;
    const SliderInfo& depth = effect.sliderInfos[7];
    EXPECT_EQ(depth.number, 8);
    EXPECT_EQ(depth.name, "Depth");
    EXPECT_EQ(depth.minimum, 0.1);
    EXPECT_EQ(depth.maximum, 10.0);
    EXPECT_EQ(depth.step, 0.1);
    const SliderInfo& output = effect.sliderInfos[1];
    EXPECT_EQ(output.minimum, -20.0);
    EXPECT_EQ(output.step, 0.5);
    for (const SliderInfo& info : effect.sliderInfos) {
        EXPECT_TRUE(info.labels.empty());
        EXPECT_TRUE(info.label.empty());
        EXPECT_EQ(info.boundVariable, nullptr);
    }
}

TEST(AmplifierOpen, FillsTheImageAndTextTables) {
    TVobrixEffect effect;
    effect.doOpen();
    ASSERT_EQ(effect.fileNameTable.size(), 5u);
    EXPECT_EQ(effect.fileNameTable.at(0), "gravelo_gfx\\knob.png");
    EXPECT_EQ(effect.fileNameTable.at(3), "gravelo_gfx\\bg.png");
    EXPECT_EQ(effect.fileNameTable.at(4), "gravelo_gfx\\knob3.png");
    EXPECT_EQ(effect.stringAt(10000), "build 170206");
    EXPECT_EQ(effect.stringAt(10002), "Arial");
    EXPECT_EQ(effect.stringAt(10003), "%.0f");
    EXPECT_EQ(effect.stringAt(10004), "%.1f");
    EXPECT_EQ(effect.stringAt(10005), "%.2f");
    EXPECT_EQ(effect.stringAt(10006), "Arial");
    EXPECT_EQ(effect.sliderValues[8].load(), 8.0) << "sliders keep their values across open";
}

TEST(AmplifierState, SavesSixtyFourSliders) {
    TVobrixEffect effect;
    effect.sliderValues[64] = 3.0;
    effect.sliderValues[65] = 4.0; // beyond the saved range
    void* data = nullptr;
    ASSERT_EQ(effect.getState(&data, false), 260);
    float values[65];
    std::memcpy(values, data, sizeof values);
    EXPECT_EQ(values[0], -1000.0f);
    EXPECT_EQ(values[8], 8.0f);
    EXPECT_EQ(values[64], 3.0f);
}

TEST(AmplifierState, MarkerOnlyChunkStillRunsTheSliderHook) {
    struct Counting : TVobrixEffect {
        void doSlider() override { ++sliderRuns; }
        int sliderRuns = 0;
    } effect;
    const float marker = -1000.0f;
    EXPECT_EQ(effect.setState(&marker, 4, false), 4);
    EXPECT_EQ(effect.sliderRuns, 1);
    EXPECT_EQ(effect.sliderValues[8].load(), 8.0);
}

TEST(AmplifierState, RestoreLoadsFloatsIntoSliders) {
    TVobrixEffect effect;
    float values[65] = {-1000.0f};
    values[1] = 0.1f;
    values[9] = 55.0f;
    effect.setState(values, sizeof values, false);
    EXPECT_EQ(effect.sliderValues[1].load(), static_cast<double>(0.1f));
    EXPECT_EQ(effect.sliderValues[9].load(), 55.0);
    EXPECT_EQ(effect.sliderValues[8].load(), 0.0);
}

} // namespace
