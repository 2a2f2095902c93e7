#include "support/RecordingRuntime.h"

#include <gtest/gtest.h>

namespace {

TEST(RuntimeConstruction, StartsEmpty) {
    TVobrix runtime;
    for (const SharedValue& value : runtime.sliderValues)
        EXPECT_EQ(value.load(), 0.0);
    for (double slot : runtime.samples)
        EXPECT_EQ(slot, 0.0);
    EXPECT_EQ(runtime.streams.size(), 1u);
    EXPECT_TRUE(runtime.imageSlots.empty());
    EXPECT_TRUE(runtime.fontSlots.empty());
    EXPECT_TRUE(runtime.strings.empty());
    EXPECT_EQ(runtime.shell, nullptr);
    EXPECT_EQ(runtime.initCount, 0);
    EXPECT_EQ(runtime.gfxRate.load(), 0.0);
}

TEST(RuntimeHooks, ResumeRunsInitThenSliderWithoutCountingInits) {
    RecordingRuntime runtime;
    runtime.doResume();
    runtime.doResume();
    EXPECT_EQ(runtime.hooks, (std::vector<std::string>{"init", "slider", "init", "slider"}));
    EXPECT_EQ(runtime.initCount, 0);
}

TEST(RuntimeHooks, InitOnceRunsInitOnlyTheFirstTime) {
    RecordingRuntime runtime;
    runtime.doInitOnce();
    runtime.doInitOnce();
    EXPECT_EQ(runtime.hooks, std::vector<std::string>{"init"});
    EXPECT_EQ(runtime.initCount, 2);
}

int32_t fakeNow = 0;
int32_t fakeClock() {
    return fakeNow;
}

TEST(TimedRepaint, RepaintsWhenMoreThanOneFrameOfTimePassed) {
    TVobrix runtime;
    runtime.processClock = fakeClock;
    runtime.gfxRate = 30.0;
    fakeNow = 33;
    runtime.doIdle();
    EXPECT_EQ(runtime.lastRepaint, 0) << "33 ms is not more than 33.33 ms";
    fakeNow = 34;
    runtime.doIdle();
    EXPECT_EQ(runtime.lastRepaint, 34);
    fakeNow = 67;
    runtime.doIdle();
    EXPECT_EQ(runtime.lastRepaint, 34);
    fakeNow = 68;
    runtime.doIdle();
    EXPECT_EQ(runtime.lastRepaint, 68);
}

TEST(TimedRepaint, NeverRepaintsWithoutAPositiveRate) {
    TVobrix runtime;
    runtime.processClock = fakeClock;
    fakeNow = 100000;
    for (double rate : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN()}) {
        runtime.gfxRate = rate;
        runtime.doIdle();
        EXPECT_EQ(runtime.lastRepaint, 0);
    }
}

TEST(TimedRepaint, SurvivesTheClockWrapping) {
    TVobrix runtime;
    runtime.processClock = fakeClock;
    runtime.gfxRate = 30.0;
    runtime.lastRepaint = INT32_MAX - 10;
    fakeNow = INT32_MIN + 30; // 41 ms later, across the wrap
    runtime.doIdle();
    EXPECT_EQ(runtime.lastRepaint, INT32_MIN + 30);
}

TEST(AddSlider, StoresTheDefaultAndTheRecord) {
    TVobrix runtime;
    runtime.addSlider(5, nullptr, 2.5, -6.0, 6.0, 0.1, "", "r", "dB", "Gain");
    ASSERT_EQ(runtime.sliderInfos.size(), 1u);
    const SliderInfo& info = runtime.sliderInfos[0];
    EXPECT_TRUE(info.scanned);
    EXPECT_EQ(info.number, 5);
    EXPECT_EQ(info.minimum, -6.0);
    EXPECT_EQ(info.maximum, 6.0);
    EXPECT_EQ(info.label, "dB");
    EXPECT_EQ(info.name, "Gain");
    EXPECT_TRUE(info.labels.empty());
    EXPECT_EQ(runtime.sliderValues[5].load(), 2.5);
}

TEST(AddSlider, RefusesNumbersOutsideTheSliderValues) {
    TVobrix runtime;
    runtime.addSlider(128, nullptr, 1.0, 0, 1, 1, "", "", "", "x");
    runtime.addSlider(-1, nullptr, 1.0, 0, 1, 1, "", "", "", "x");
    EXPECT_TRUE(runtime.sliderInfos.empty());
}

TEST(RuntimeSlider, EffectReadsSlidersThroughTheLowSevenBits) {
    TVobrix runtime;
    runtime.sliderValues[3] = 9.0;
    EXPECT_EQ(runtime.slider(3.0).load(), 9.0);
    EXPECT_EQ(runtime.slider(131.0).load(), 9.0);
    EXPECT_EQ(runtime.slider(2.99995).load(), 9.0);
}

} // namespace
