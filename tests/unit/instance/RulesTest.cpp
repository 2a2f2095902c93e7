// The rules every format shares, tested on the format-neutral instance and
// the runtime directly: a control value from a host, a saved state in its
// two modes, and the tail the formats report.
#include "effect/TVobrixEffect.h"
#include "instance/AmpInstance.h"
#include "runtime/HostParameters.h"
#include "runtime/StateChunk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr int kQuorvel = 0, kOutput = 1, kDepth = 7;

using gravelo::instance::AmpInstance;

std::vector<float> chunkOf(gravelo::instance::AmpInstance& amp) {
    const auto bytes = amp.saveState();
    std::vector<float> values(bytes.size() / sizeof(float));
    std::memcpy(values.data(), bytes.data(), bytes.size());
    return values;
}

bool load(gravelo::instance::AmpInstance& amp, const std::vector<float>& values, size_t floats) {
    return amp.loadState(reinterpret_cast<const uint8_t*>(values.data()), floats * sizeof(float));
}

// The frames from a full-scale impulse, after half a second of silence,
// until what it adds to the output stays below -120 dB, looked for over
// `horizon` frames (the horizon itself when it never does). What it adds is
// the difference from a twin fed silence alone: with the drive on, the
// chain's own noise offset stays above that level for good. Blocks of 64
// frames, as a host with a short buffer sends them: each block draws a new
// offset, so short blocks ring longest.
uint32_t framesUntilSilent(double rate, const AmpInstance::ControlValues& controls,
                           uint32_t horizon) {
    constexpr uint32_t kBlock = 64;
    AmpInstance played, twin;
    for (AmpInstance* amp : {&played, &twin}) {
        amp->setControls(controls);
        amp->activate(rate, kBlock);
    }
    const uint32_t lead = static_cast<uint32_t>(rate / 2) / kBlock * kBlock;
    std::array<double, kBlock> impulse{}, silence{}, out[2][2];
    uint32_t lastLoud = 0;
    for (uint32_t frame = 0; frame < lead + horizon; frame += kBlock) {
        impulse[0] = frame == lead ? 1.0 : 0.0;
        const double* in[2] = {impulse.data(), impulse.data()};
        const double* quiet[2] = {silence.data(), silence.data()};
        double* playedOut[2] = {out[0][0].data(), out[0][1].data()};
        double* twinOut[2] = {out[1][0].data(), out[1][1].data()};
        played.process(in, playedOut, kBlock);
        twin.process(quiet, twinOut, kBlock);
        for (uint32_t i = 0; i < kBlock; ++i)
            for (int channel = 0; channel < 2; ++channel)
                if (frame >= lead && std::fabs(out[0][channel][i] - out[1][channel][i]) >= 1e-6)
                    lastLoud = frame + i - lead + 1;
    }
    return lastLoud;
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

TEST(TailRule, CoversAnImpulsesDecayAtEveryRate) {
    AmpInstance::ControlValues defaults{};
    for (size_t i = 0; i < defaults.size(); ++i)
        defaults[i] = gravelo::kControls[i].defaultValue;
    // The longest tail over the controls' extremes: the gains and the tone at
    // the top, the drive on (the impulse lowers its gain on the noise offset
    // for as long as its one-second mean square takes to fall), Depth at its
    // slowest release.
    const AmpInstance::ControlValues longest = {40, 20, 10, 10, 6, 6, 6, 0.1, 0};
    for (double rate : {44100.0, 48000.0, 96000.0}) {
        const uint32_t reported = AmpInstance::tailFrames(rate);
        const uint32_t usual = framesUntilSilent(rate, defaults, 2 * reported);
        const uint32_t measured = framesUntilSilent(rate, longest, 2 * reported);
        std::printf("%.0f Hz: tail %u frames measured (defaults %u), %u reported\n", rate, measured,
                    usual, reported);
        EXPECT_LE(usual, reported);
        EXPECT_LE(measured, reported);
        EXPECT_LE(reported, 2 * measured);
    }
    EXPECT_EQ(AmpInstance::tailFrames(0.0), 0u);
}
