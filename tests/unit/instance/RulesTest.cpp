// The rules every format shares, tested on the format-neutral instance and
// the runtime directly: a control value from a host, and a saved state in
// its two modes.
#include "effect/TVobrixEffect.h"
#include "instance/AmpInstance.h"
#include "runtime/HostParameters.h"
#include "runtime/StateChunk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr int kQuorvel = 0, kOutput = 1, kDepth = 7;

std::vector<float> chunkOf(gravelo::instance::AmpInstance& amp) {
    const auto bytes = amp.saveState();
    std::vector<float> values(bytes.size() / sizeof(float));
    std::memcpy(values.data(), bytes.data(), bytes.size());
    return values;
}

bool load(gravelo::instance::AmpInstance& amp, const std::vector<float>& values, size_t floats) {
    return amp.loadState(reinterpret_cast<const uint8_t*>(values.data()), floats * sizeof(float));
}

} // namespace

TEST(ControlRule, ClampsSnapsAndRefusesWhatIsNoNumber) {
    gravelo::instance::AmpInstance amp;
    EXPECT_TRUE(amp.setControl(kOutput, 7.26));
    EXPECT_DOUBLE_EQ(amp.control(kOutput), 7.5); // half a dB steps, half-way goes up
    EXPECT_TRUE(amp.setControl(kOutput, 99.0));
    EXPECT_DOUBLE_EQ(amp.control(kOutput), 20.0);
    EXPECT_FALSE(amp.setControl(kOutput, 20.000001)); // below the change threshold
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(amp.setControl(kQuorvel, bad));
        EXPECT_TRUE(std::isnan(amp.hostValue(kQuorvel, bad)));
    }
    EXPECT_DOUBLE_EQ(amp.control(kQuorvel), 0.0);
    EXPECT_FALSE(amp.setControl(9, 1.0));
    EXPECT_EQ(amp.hostChanges(kOutput), 2u);
}

TEST(ControlRule, VstRangeExtendsWhereTheNewerFormatsClamp) {
    TVobrixEffect effect;
    const SliderInfo& output = effect.sliderInfos[1];
    EXPECT_DOUBLE_EQ(
        gravelo::runtime::takeHostValue(output, 30.2, gravelo::runtime::RangeRule::Extend), 30.0);
    EXPECT_DOUBLE_EQ(
        gravelo::runtime::takeHostValue(output, 30.2, gravelo::runtime::RangeRule::Clamp), 20.0);
    EXPECT_TRUE(std::isnan(
        gravelo::runtime::takeHostValue(output, 1e300, gravelo::runtime::RangeRule::Extend)));
    // Through the normalised VST face: 1.5 reaches beyond the top of the range.
    EXPECT_TRUE(gravelo::runtime::setParameterValue(effect, 1, 1.5));
    EXPECT_DOUBLE_EQ(effect.sliderValues[2], 40.0);
}

TEST(StateRule, StrictRefusesWhatLenientLoadsInPart) {
    gravelo::instance::AmpInstance source;
    source.setControl(kQuorvel, 12.0);
    source.setControl(kDepth, 3.0);
    const std::vector<float> chunk = chunkOf(source);

    gravelo::instance::AmpInstance strict;
    const uint32_t before = strict.hostChanges(kQuorvel);
    EXPECT_FALSE(load(strict, chunk, 2)); // short: marker and Quorvel only
    std::vector<float> longer = chunk;
    longer.push_back(0.0f);
    EXPECT_FALSE(load(strict, longer, longer.size()));
    for (float bad : {std::numeric_limits<float>::quiet_NaN(), 41.0f}) {
        std::vector<float> damaged = chunk;
        damaged[1] = bad;
        EXPECT_FALSE(load(strict, damaged, damaged.size()));
    }
    std::vector<float> unmarked = chunk;
    unmarked[0] = 0.0f;
    EXPECT_FALSE(load(strict, unmarked, unmarked.size()));
    EXPECT_EQ(strict.hostChanges(kQuorvel), before);
    EXPECT_DOUBLE_EQ(strict.control(kQuorvel), 0.0);
    EXPECT_TRUE(load(strict, chunk, chunk.size()));
    EXPECT_DOUBLE_EQ(strict.control(kQuorvel), 12.0);
    EXPECT_DOUBLE_EQ(strict.control(kDepth), 3.0);

    TVobrixEffect lenient;
    lenient.doOpen();
    EXPECT_TRUE(gravelo::runtime::loadState(lenient, chunk.data(), 2 * sizeof(float),
                                            gravelo::runtime::StateCheck::Lenient));
    EXPECT_DOUBLE_EQ(lenient.sliderValues[1], 12.0); // what the short chunk held
    EXPECT_DOUBLE_EQ(lenient.sliderValues[8], 8.0);  // Depth keeps its default
    EXPECT_FALSE(gravelo::runtime::loadState(lenient, unmarked.data(),
                                             unmarked.size() * sizeof(float),
                                             gravelo::runtime::StateCheck::Lenient));
    EXPECT_DOUBLE_EQ(lenient.sliderValues[1], 12.0);
}
