// The chain's small units on their own: derived control values, leveler,
// limiter, noise generator and the hand-over of coefficient sets.
#include "DspTestSupport.h"

#include "effect/dsp/BandLeveler.h"
#include "effect/dsp/NoiseSource.h"
#include "effect/dsp/OutputLimiter.h"
#include "effect/dsp/Published.h"

#include <gtest/gtest.h>

#include <set>

using gravelo::test::dsp::Sliders;

TEST(ControlValues, DerivedFromTheSliders) {
    const auto v = gravelo::dsp::ControlValues::fromSliders(
        Sliders{}.set(1, 20).set(2, -20).set(3, 10).set(4, 5).set(8, 10).s);
    EXPECT_NEAR(v.inputGain, 10, 1e-12);
    EXPECT_NEAR(v.outputGain, 0.1, 1e-12);
    EXPECT_DOUBLE_EQ(v.presenceFreq, 600);
    EXPECT_DOUBLE_EQ(v.dirtAmount, 0.5);
    EXPECT_DOUBLE_EQ(v.releaseScale, 1);
    EXPECT_DOUBLE_EQ(v.levelerFloor, 0.5);
    EXPECT_DOUBLE_EQ(v.lowCutQ, 1.0);

    const auto other = gravelo::dsp::ControlValues::fromSliders(
        Sliders{}.set(1, 40).set(2, 20).set(5, -3).set(6, 2).set(7, 6).set(8, 0.1).set(9, 10).s);
    EXPECT_NEAR(other.inputGain, 100, 1e-9);
    EXPECT_NEAR(other.outputGain, 10, 1e-12);
    EXPECT_DOUBLE_EQ(other.presenceFreq, 1300);
    EXPECT_EQ(other.bass, -3);
    EXPECT_EQ(other.middle, 2);
    EXPECT_EQ(other.treble, 6);
    EXPECT_NEAR(other.releaseScale, 4.3, 1e-12);
    EXPECT_NEAR(other.levelerFloor, 0.995, 1e-12);
    EXPECT_NEAR(other.lowCutQ, 0.2889, 1e-4);
}

TEST(BandLeveler, InstantAttackFollowsARiseWithinOneSample) {
    const gravelo::dsp::BandLevelerCoeffs band4{
        gravelo::dsp::timeCoefficient(0, gravelo::test::dsp::kRate),
        gravelo::dsp::timeCoefficient(60, gravelo::test::dsp::kRate), 3};
    EXPECT_EQ(band4.attack, 0.0);
    gravelo::dsp::BandLevelerState s;
    const double c20ms = gravelo::dsp::Smoothing::forSampleRate(gravelo::test::dsp::kRate).c20ms;
    gravelo::dsp::runBandLeveler(band4, s, 0.2, c20ms, 0.9);
    EXPECT_DOUBLE_EQ(s.e1, 0.6);
    EXPECT_DOUBLE_EQ(s.e2, 0.6); // the holds rise at once as well
    EXPECT_DOUBLE_EQ(s.gain, 1 / (0.6 + 0.9));
    // Falling, e1 releases instead of following.
    gravelo::dsp::runBandLeveler(band4, s, 0.0, c20ms, 0.9);
    EXPECT_GT(s.e1, 0.59);
    EXPECT_LT(s.e1, 0.6);
}

TEST(BandLeveler, GainNeverExceedsTheInverseFloor) {
    const gravelo::dsp::BandLevelerCoeffs band1{gravelo::dsp::timeCoefficient(30, 48000),
                                                gravelo::dsp::timeCoefficient(60, 48000), 3};
    gravelo::dsp::BandLevelerState s;
    const double floor = 0.6;
    for (int i = 0; i < 20000; ++i) {
        const double w = (i / 4000) % 2 ? 0.8 * std::sin(i * 0.01) : 0.0;
        const double out = gravelo::dsp::runBandLeveler(band1, s, w, 0.999, floor);
        ASSERT_LE(s.gain, 1 / floor);
        ASSERT_LE(std::fabs(out), std::fabs(w) / floor + 1e-15);
    }
}

TEST(OutputLimiter, QuietThresholdIsPoint501AndLoudPeaksClip) {
    const auto sm = gravelo::dsp::Smoothing::forSampleRate(gravelo::test::dsp::kRate);
    gravelo::dsp::OutputLimiterState s;
    EXPECT_DOUBLE_EQ(gravelo::dsp::limiterThreshold(s, 0.01, sm.c1Hz), 0.501);
    bool clipped = false;
    gravelo::dsp::runLimiter(s, sm, 0.5, 0.501, clipped);
    EXPECT_FALSE(clipped);
    // Held above the threshold, the output is pulled towards it.
    double out = 0;
    for (int i = 0; i < 4800; ++i)
        out = gravelo::dsp::runLimiter(s, sm, 1.0, 0.501, clipped);
    EXPECT_TRUE(clipped);
    EXPECT_NEAR(out, 0.501, 0.01);
    // A loud band sum raises the threshold to five times its RMS.
    gravelo::dsp::OutputLimiterState loud;
    double threshold = 0;
    for (int i = 0; i < 48000 * 5; ++i)
        threshold = gravelo::dsp::limiterThreshold(loud, 0.3, sm.c1Hz);
    EXPECT_NEAR(threshold, 5.01 * 0.3, 1e-3);
}

TEST(NoiseSource, RunsFrom0To32767AndRepeatsFromTheSameSeed) {
    gravelo::dsp::NoiseSource a, b;
    std::set<int> seen;
    int low = 32767, high = 0;
    for (int i = 0; i < 100000; ++i) {
        const int v = a.next();
        ASSERT_EQ(v, b.next());
        low = std::min(low, v);
        high = std::max(high, v);
        seen.insert(v);
    }
    EXPECT_GE(low, 0);
    EXPECT_LE(high, 32767);
    EXPECT_GT(high, 32000); // the full range is used, not a 2^31 range scaled down
    EXPECT_LT(low, 700);
    EXPECT_GT(seen.size(), 30000u);
    const int first = a.next();
    a.reset();
    gravelo::dsp::NoiseSource fresh;
    EXPECT_EQ(a.next(), fresh.next());
    (void)first;
}

TEST(Published, ReaderSeesOnlyWholeSetsAndOnlyAfterAcquire) {
    struct Pair {
        int a = 0, b = 0;
    };
    gravelo::dsp::Published<Pair> published;
    published.publish([](Pair& p) { p = {1, -1}; });
    EXPECT_EQ(published.current().a, 0); // not yet adopted
    EXPECT_EQ(published.acquire().a, 1);
    published.publish([](Pair& p) { p.a = 2; });
    published.publish([](Pair& p) { p.b = -2; }); // each value starts fresh
    const Pair& now = published.acquire();
    EXPECT_EQ(now.a, 0);
    EXPECT_EQ(now.b, -2);
    EXPECT_EQ(published.acquire().b, -2); // nothing new: the same set
    published.reset();
    EXPECT_EQ(published.acquire().a, 0);
}
