#include "effect/Controls.h"
#include "effect/Identity.h"
#include "effect/TVobrixEffect.h"
#include "generated/ImageFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

namespace {

// The effect describes itself from the identity and controls tables (their
// values are the tables' own business): every slider, its default, and
// nothing in the sliders past them.
TEST(AmplifierDescription, ComesFromTheIdentityAndControlsTables) {
    TVobrixEffect effect;
    EXPECT_EQ(effect.effectName, gravelo::identity::kEffectName);
    EXPECT_EQ(effect.vendorString, gravelo::identity::kVendor);
    EXPECT_EQ(effect.uniqueId, gravelo::identity::kVst2UniqueId);
    ASSERT_EQ(effect.sliderInfos.size(), gravelo::kControls.size());
    for (size_t i = 0; i < gravelo::kControls.size(); ++i) {
        const gravelo::ControlDefinition& c = gravelo::kControls[i];
        const SliderInfo& info = effect.sliderInfos[i];
        EXPECT_EQ(info.number, c.slider);
        EXPECT_EQ(info.name, c.name);
        EXPECT_TRUE(info.minimum == c.minimum && info.maximum == c.maximum && info.step == c.step)
            << c.name;
        EXPECT_EQ(effect.sliderValues[static_cast<size_t>(c.slider)].load(), c.defaultValue);
        EXPECT_EQ(info.boundVariable, nullptr);
    }
    for (int n = static_cast<int>(gravelo::kControls.size()) + 1; n < 128; ++n)
        EXPECT_EQ(effect.sliderValues[n].load(), 0.0) << n;
}

// Open fills the image table from the generated list, and the texts the
// panel draws with.
TEST(AmplifierOpen, FillsTheImageAndTextTables) {
    TVobrixEffect effect;
    effect.doOpen();
    ASSERT_EQ(effect.fileNameTable.size(), std::size(gravelo::generated::kImageFiles));
    for (size_t i = 0; i < effect.fileNameTable.size(); ++i)
        EXPECT_EQ(effect.fileNameTable.at(static_cast<int>(i)), gravelo::generated::kImageFiles[i]);
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
