// The whole chain through AmpChain: rest behaviour, the stages that must stay
// idle, the limiter, the block form against the per-sample form, and what
// happens on non-finite values and unknown sample rates.
#include "DspTestSupport.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>

using gravelo::test::dsp::makeChain;
using gravelo::test::dsp::Sliders;
using gravelo::test::dsp::testSignal;

namespace {

// Runs the per-sample form over `x` in host blocks of `block` frames.
std::vector<double> runReference(AmpChain& chain, const std::vector<double>& x, int block) {
    std::vector<double> y(x.size());
    for (size_t i = 0; i < x.size(); ++i) {
        if (i > 0 && i % static_cast<size_t>(block) == 0) chain.beginBlock();
        y[i] = chain.processSample(x[i]);
    }
    return y;
}

std::vector<double> runBlocks(AmpChain& chain, const std::vector<double>& x, int block) {
    std::vector<double> y(x.size());
    for (size_t start = 0; start < x.size(); start += static_cast<size_t>(block)) {
        if (start > 0) chain.beginBlock();
        const int n = static_cast<int>(std::min(x.size() - start, static_cast<size_t>(block)));
        chain.processBlock(x.data() + start, y.data() + start, n);
    }
    return y;
}

// Both copies of the block form: baseline, and AVX-encoded where available.
std::vector<bool> instructionSets() {
    if (AmpChain::wideInstructionsAvailable()) return {false, true};
    return {false};
}

bool sameBytes(const gravelo::dsp::BiquadState& a, const gravelo::dsp::BiquadState& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

TEST(Chain, SilenceGivesNearSilenceAndMetersSettleAt099) {
    auto chain = makeChain(Sliders{});
    for (int block = 0; block < 2000; ++block) {
        for (int i = 0; i < 256; ++i)
            ASSERT_LT(std::fabs(chain->processSample(0.0)), 1e-6);
        chain->beginBlock();
    }
    for (int band = 0; band < 4; ++band)
        EXPECT_NEAR(chain->displayedGain(band), 0.99, 1e-6) << band;
    EXPECT_LT(std::fabs(chain->bandSplitInput()), 0.001);
}

TEST(Chain, MetersFollowTheLevelerGainsWhileSignalIsPresent) {
    auto chain = makeChain(Sliders{}.set(1, 20));
    const auto x = testSignal(4800, 0.5);
    for (size_t i = 0; i < 256; ++i)
        chain->processSample(x[i]);
    ASSERT_GT(std::fabs(chain->bandSplitInput()) + std::fabs(chain->state().bands.band1.y1), 0.0);
    chain->beginBlock();
    for (int band = 0; band < 4; ++band) {
        EXPECT_EQ(chain->displayedGain(band), chain->state().levelers[band].gain) << band;
        EXPECT_LT(chain->displayedGain(band), 1 / 0.6) << band; // at most 1 / levelerFloor
    }
}

TEST(Chain, NoiseOffsetIsTinyAndChangesPerBlock) {
    auto chain = makeChain(Sliders{});
    std::set<double> offsets;
    for (int block = 0; block < 50; ++block) {
        chain->beginBlock();
        EXPECT_GE(chain->noiseOffset(), 0.0);
        EXPECT_LE(chain->noiseOffset(), 1e-10);
        offsets.insert(chain->noiseOffset());
    }
    EXPECT_GT(offsets.size(), 40u);
    // Every instance draws the same sequence.
    auto a = makeChain(Sliders{}), b = makeChain(Sliders{});
    EXPECT_EQ(a->noiseOffset(), b->noiseOffset());
}

TEST(Chain, DirtAtZeroLeavesTheDriveFiltersAlone) {
    auto chain = makeChain(Sliders{}.set(4, 5));
    const auto x = testSignal(4800);
    for (double v : x)
        chain->processSample(v);
    const gravelo::dsp::DriveState before = chain->state().drive;
    EXPECT_NE(before.ms1, 0.0);

    chain->beginBlock();
    chain->followSliders(Sliders{}.s);
    for (double v : x)
        chain->processSample(v);
    const gravelo::dsp::DriveState& after = chain->state().drive;
    EXPECT_EQ(after.ms1, before.ms1);
    EXPECT_TRUE(sameBytes(after.sideChain, before.sideChain));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(sameBytes(after.tone[i], before.tone[i])) << i;
}

TEST(Chain, ToneFiltersRunOnlyForNonZeroControls) {
    auto chain = makeChain(Sliders{}.set(5, 0.000001)); // below the zero tolerance
    for (double v : testSignal(4800))
        chain->processSample(v);
    const gravelo::dsp::ToneStates& t = chain->state().tone;
    const gravelo::dsp::ToneStates zero{};
    EXPECT_EQ(std::memcmp(&t, &zero, sizeof t), 0);

    auto cut = makeChain(Sliders{}.set(5, -3).set(7, 2));
    for (double v : testSignal(4800))
        cut->processSample(v);
    const gravelo::dsp::ToneStates& c = cut->state().tone;
    EXPECT_NE(c.bassDown[0].y1, 0.0);
    EXPECT_EQ(c.bassUp[0].y1, 0.0);
    EXPECT_TRUE(sameBytes(c.middleUp[0], zero.middleUp[0]));
    EXPECT_TRUE(sameBytes(c.middleDown[0], zero.middleDown[0]));
    EXPECT_NE(c.trebleUp[2].y1, 0.0);
    EXPECT_EQ(c.trebleDown[0].y1, 0.0);
}

// While the band sum is quiet (rms2 ≤ 0.1) the ceiling is 0.501: a short
// bass note boosted by Bass +6 takes the tone output above it, raises the
// clip flag and is pulled down towards the ceiling.
TEST(Chain, LimiterClipsAbove0501AndRaisesTheClipFlag) {
    auto quiet = makeChain(Sliders{});
    for (double v : testSignal(9600, 0.01))
        quiet->processSample(v);
    EXPECT_EQ(quiet->clipFlag(), 0.0);

    auto boosted = makeChain(Sliders{}.set(5, 6));
    const int burst = 1440; // 30 ms at 110 Hz
    double peakLate = 0;
    for (int i = 0; i < burst; ++i) {
        const double y = boosted->processSample(
            0.3 * std::sin(2 * std::numbers::pi * 110 * i / gravelo::test::dsp::kRate));
        if (i >= burst - 480) peakLate = std::max(peakLate, std::fabs(y));
    }
    EXPECT_LE(std::sqrt(boosted->state().limiter.ms2), 0.1); // still the quiet ceiling
    EXPECT_EQ(boosted->clipFlag(), 1.0);
    EXPECT_GT(boosted->state().limiter.g3, 1.5); // the tone output went well over 0.501
    EXPECT_LT(peakLate, 0.501 * 1.15);           // a 1 ms attack, not a brick wall
    EXPECT_GT(peakLate, 0.501 * 0.8);
    EXPECT_EQ(boosted->takeClipFlag(), 1.0);
    EXPECT_EQ(boosted->clipFlag(), 0.0);
}

class BlockForm : public ::testing::TestWithParam<int> {};

// The block form is the same arithmetic in another loop order: equal to the
// per-sample form sample for sample, for every setting and block length.
TEST_P(BlockForm, EqualsThePerSampleForm) {
    const int block = GetParam();
    const Sliders settings[] = {
        Sliders{}, gravelo::test::dsp::worstCase(),
        Sliders{}.set(1, 40).set(2, 12).set(4, 10).set(5, -6).set(6, -4).set(7, -6).set(9, 10),
        Sliders{}.set(3, 7).set(6, 6).set(8, 0.1)};
    const auto x = testSignal(48000 / 2, 0.7);
    for (const Sliders& s : settings) {
        for (bool wide : instructionSets()) {
            auto reference = makeChain(s), fast = makeChain(s);
            fast->useWideInstructions(wide);
            const auto expected = runReference(*reference, x, block);
            const auto actual = runBlocks(*fast, x, block);
            for (size_t i = 0; i < x.size(); ++i)
                ASSERT_EQ(actual[i], expected[i]) << "frame " << i << " wide " << wide;
            EXPECT_EQ(
                std::memcmp(&reference->state(), &fast->state(), sizeof(gravelo::dsp::ChainState)),
                0);
            EXPECT_EQ(reference->clipFlag(), fast->clipFlag());
            EXPECT_EQ(reference->bandSplitInput(), fast->bandSplitInput());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, BlockForm, ::testing::Values(1, 64, 256, 300));

// The tone sections run as one cascade of 0 to 8 filters over a block, its
// filters interleaved; every cascade length, with block lengths shorter and
// longer than the cascade and across the chunk size, equals the per-sample form.
TEST(Chain, EveryToneCascadeLengthEqualsThePerSampleForm) {
    const Sliders byLength[] = {
        Sliders{},                                // 0
        Sliders{}.set(5, -3),                     // 1: C5
        Sliders{}.set(5, 4).set(4, 3),            // 2: C3, C4, drive on
        Sliders{}.set(6, 2),                      // 3: C6 to C8
        Sliders{}.set(5, 3).set(7, -4),           // 4
        Sliders{}.set(5, 2).set(6, 5).set(4, 10), // 5
        Sliders{}.set(6, 1).set(7, 6),            // 6
        Sliders{}.set(5, -6).set(6, 4).set(7, 2), // 7
        gravelo::test::dsp::worstCase(),          // 8
    };
    const auto x = testSignal(9600, 0.8);
    for (int length = 0; length <= 8; ++length) {
        for (int block : {1, 2, 3, 5, 7, 8, 9, 127, 128, 129, 256}) {
            for (bool wide : instructionSets()) {
                auto reference = makeChain(byLength[length]), fast = makeChain(byLength[length]);
                fast->useWideInstructions(wide);
                const auto expected = runReference(*reference, x, block);
                const auto actual = runBlocks(*fast, x, block);
                for (size_t i = 0; i < x.size(); ++i)
                    ASSERT_EQ(actual[i], expected[i])
                        << "length " << length << " block " << block << " frame " << i;
                ASSERT_EQ(std::memcmp(&reference->state(), &fast->state(),
                                      sizeof(gravelo::dsp::ChainState)),
                          0)
                    << "length " << length << " block " << block << " wide " << wide;
            }
        }
    }
}

// A long run at the worst-case settings with a louder, varying input: the
// envelopes, mean squares and the limiter go through many states.
TEST(Chain, LongWorstCaseRunEqualsThePerSampleForm) {
    auto x = testSignal(48000 * 6, 0.3);
    for (size_t i = 0; i < x.size(); ++i)
        x[i] *= 1.0 + 3.0 * static_cast<double>(i % 96000) / 96000;
    auto reference = makeChain(gravelo::test::dsp::worstCase());
    const auto expected = runReference(*reference, x, 256);
    for (bool wide : instructionSets()) {
        auto fast = makeChain(gravelo::test::dsp::worstCase());
        fast->useWideInstructions(wide);
        const auto actual = runBlocks(*fast, x, 256);
        for (size_t i = 0; i < x.size(); ++i)
            ASSERT_EQ(actual[i], expected[i]) << "frame " << i << " wide " << wide;
        EXPECT_EQ(
            std::memcmp(&reference->state(), &fast->state(), sizeof(gravelo::dsp::ChainState)), 0);
        EXPECT_EQ(reference->clipFlag(), fast->clipFlag());
    }
}

// The AVX-encoded copy is the one in use wherever the processor has AVX.
TEST(Chain, WideCopyIsChosenWhereAvailable) {
    auto chain = makeChain(Sliders{});
    EXPECT_EQ(chain->usesWideInstructions(), AmpChain::wideInstructionsAvailable());
    chain->useWideInstructions(false);
    EXPECT_FALSE(chain->usesWideInstructions());
}

TEST(Chain, ProcessBlockWorksInPlace) {
    auto a = makeChain(gravelo::test::dsp::worstCase()),
         b = makeChain(gravelo::test::dsp::worstCase());
    auto x = testSignal(1000);
    std::vector<double> separate(x.size());
    a->processBlock(x.data(), separate.data(), 1000);
    b->processBlock(x.data(), x.data(), 1000);
    for (size_t i = 0; i < x.size(); ++i)
        ASSERT_EQ(x[i], separate[i]) << i;
}

TEST(Chain, UnknownOrZeroSampleRateGivesSilence) {
    AmpChain fresh;
    fresh.open();
    fresh.beginBlock();
    EXPECT_EQ(fresh.processSample(0.5), 0.0);

    auto zeroRate = makeChain(Sliders{}, 0.0);
    const auto x = testSignal(512);
    std::vector<double> y(x.size(), 1.0);
    zeroRate->processBlock(x.data(), y.data(), 512);
    for (double v : y)
        ASSERT_EQ(v, 0.0);
    EXPECT_EQ(zeroRate->processSample(0.5), 0.0);

    // The same sliders are designed once the rate is known.
    zeroRate->designFixed(gravelo::test::dsp::kRate);
    zeroRate->beginBlock();
    zeroRate->followSliders(Sliders{}.s);
    zeroRate->processBlock(x.data(), y.data(), 512);
    EXPECT_GT(gravelo::test::dsp::rms(y.data(), y.size()), 1e-3);
}

// A new rate arrives whole at the next block; the controls' part is designed
// into it there, even when the sliders did not move.
TEST(Chain, ANewRateArrivesAtTheNextBlockAndTheControlsFollowIt) {
    const Sliders loud = Sliders{}.set(2, 20);
    auto chain = makeChain(loud);
    chain->designFixed(2 * gravelo::test::dsp::kRate);
    EXPECT_EQ(chain->coefficients().sampleRate, gravelo::test::dsp::kRate);
    chain->beginBlock();
    EXPECT_EQ(chain->coefficients().sampleRate, 2 * gravelo::test::dsp::kRate);
    EXPECT_FALSE(chain->coefficients().ready());
    chain->followSliders(loud.s);
    EXPECT_TRUE(chain->coefficients().ready());
    EXPECT_NEAR(chain->coefficients().controls.outputGain, 10.0, 1e-12);
    chain->followSliders(Sliders{}.s);
    EXPECT_DOUBLE_EQ(chain->coefficients().controls.outputGain, 1.0);
}

TEST(Chain, NonFiniteInputIsSilenceAndLeavesTheStateClean) {
    auto clean = makeChain(Sliders{}), hit = makeChain(Sliders{});
    auto x = testSignal(2048);
    auto bad = x;
    bad[100] = bad[101] = std::nan("");
    bad[500] = INFINITY;
    bad[501] = -INFINITY;
    x[100] = x[101] = x[500] = x[501] = 0.0;
    const auto expected = runBlocks(*clean, x, 256);
    const auto actual = runBlocks(*hit, bad, 256);
    for (size_t i = 0; i < x.size(); ++i)
        ASSERT_EQ(actual[i], expected[i]) << i;
}

// Finite but extreme samples overflow the filters; the chain hands out
// zeros instead of NaN and starts over from the open state at the next block.
TEST(Chain, OverflowedStateIsResetAtTheNextBlock) {
    for (bool blockForm : {false, true}) {
        auto chain = makeChain(Sliders{});
        std::vector<double> x(256), y(256);
        for (size_t i = 0; i < x.size(); ++i)
            x[i] = i % 2 ? DBL_MAX : -DBL_MAX;
        if (blockForm)
            chain->processBlock(x.data(), y.data(), 256);
        else
            for (size_t i = 0; i < x.size(); ++i)
                y[i] = chain->processSample(x[i]);
        for (double v : y)
            ASSERT_TRUE(std::isfinite(v));
        EXPECT_FALSE(chain->state().allFinite());

        chain->beginBlock();
        const gravelo::dsp::ChainState open{};
        EXPECT_EQ(std::memcmp(&chain->state(), &open, sizeof open), 0);
        const auto normal = testSignal(4800);
        double energy = 0;
        for (double v : normal) {
            const double out = chain->processSample(v);
            ASSERT_TRUE(std::isfinite(out));
            energy += out * out;
        }
        EXPECT_GT(energy, 1.0) << blockForm;
    }
}
