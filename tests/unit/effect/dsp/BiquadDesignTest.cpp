#include "DspTestSupport.h"

#include "effect/dsp/Biquad.h"

#include <gtest/gtest.h>

// 256-bit vectors by value (see Lanes.h), inlined here.
#pragma GCC diagnostic ignored "-Wpsabi"

using gravelo::dsp::BiquadType;
using gravelo::dsp::designBiquad;
using gravelo::test::dsp::kRate;
using gravelo::test::dsp::magnitudeDb;

namespace {

void expectSameCoefficients(const gravelo::dsp::BiquadCoeffs& a,
                            const gravelo::dsp::BiquadCoeffs& b) {
    EXPECT_DOUBLE_EQ(a.b0, b.b0);
    EXPECT_DOUBLE_EQ(a.b1, b.b1);
    EXPECT_DOUBLE_EQ(a.b2, b.b2);
    EXPECT_DOUBLE_EQ(a.a1, b.a1);
    EXPECT_DOUBLE_EQ(a.a2, b.a2);
}

// What the cookbook design works from: gain factor A, cos ω0 and α.
struct Intermediates {
    double A, cosW0, alpha;
};

Intermediates intermediates(double frequency, double q, double gainDb) {
    const double w0 = 2 * std::numbers::pi * frequency / kRate;
    return {std::pow(10.0, gainDb / 40), std::cos(w0), std::sin(w0) / (2 * q)};
}

} // namespace

TEST(BiquadDesign, InputHighPassAt48kHzWithLowCutAtZero) {
    const double lowCutQ = 1 / (0 + 1.25) + 0.2; // LFcut 0
    const auto c = designBiquad(40, lowCutQ, 0, BiquadType::HighPass, kRate);
    EXPECT_NEAR(c.b0, 0.997382018, 1e-9);
    EXPECT_NEAR(c.b2, 0.997382018, 1e-9);
    EXPECT_NEAR(c.b1, -1.994764036, 1e-9);
    EXPECT_NEAR(c.a1, -1.994750364, 1e-9);
    EXPECT_NEAR(c.a2, 0.994777708, 1e-9);
}

TEST(BiquadDesign, BassPeakWithBassAtPlusSix) {
    const auto c = designBiquad(110, 1.5, 3.3 * 6, BiquadType::Peaking, kRate);
    EXPECT_NEAR(c.b0, 1.013447633, 1e-9);
    EXPECT_NEAR(c.b1, -1.996727086, 1e-9);
    EXPECT_NEAR(c.a1, -1.996727086, 1e-9);
    EXPECT_NEAR(c.b2, 0.983486462, 1e-9);
    EXPECT_NEAR(c.a2, 0.996934094, 1e-9);
}

// The cookbook forms written out from their intermediates, normalised by a0.
TEST(BiquadDesign, PeakAndShelfAreTheCookbookFormsOverA0) {
    const Intermediates d = intermediates(1000, 2, 6);
    const auto peak = designBiquad(1000, 2, 6, BiquadType::Peaking, kRate);
    const double peakA0 = 1 + d.alpha / d.A;
    EXPECT_DOUBLE_EQ(peak.b0, (1 + d.alpha * d.A) / peakA0);
    EXPECT_DOUBLE_EQ(peak.b1, -2 * d.cosW0 / peakA0);
    EXPECT_DOUBLE_EQ(peak.b2, (1 - d.alpha * d.A) / peakA0);
    EXPECT_DOUBLE_EQ(peak.a1, -2 * d.cosW0 / peakA0);
    EXPECT_DOUBLE_EQ(peak.a2, (1 - d.alpha / d.A) / peakA0);

    const auto shelf = designBiquad(1000, 2, 6, BiquadType::LowShelf, kRate);
    const double A = d.A, cs = d.cosW0, twoRootAAlpha = 2 * std::sqrt(A) * d.alpha;
    const double shelfA0 = (A + 1) + (A - 1) * cs + twoRootAAlpha;
    EXPECT_DOUBLE_EQ(shelf.b0, A * ((A + 1) - (A - 1) * cs + twoRootAAlpha) / shelfA0);
    EXPECT_DOUBLE_EQ(shelf.b1, 2 * A * ((A - 1) - (A + 1) * cs) / shelfA0);
    EXPECT_DOUBLE_EQ(shelf.b2, A * ((A + 1) - (A - 1) * cs - twoRootAAlpha) / shelfA0);
    EXPECT_DOUBLE_EQ(shelf.a1, -2 * ((A - 1) + (A + 1) * cs) / shelfA0);
    EXPECT_DOUBLE_EQ(shelf.a2, ((A + 1) + (A - 1) * cs - twoRootAAlpha) / shelfA0);
}

TEST(BiquadDesign, ClampsFrequencyQAndType) {
    expectSameCoefficients(designBiquad(30000, 1, 0, BiquadType::LowPass, kRate),
                           designBiquad(24000, 1, 0, BiquadType::LowPass, kRate));
    expectSameCoefficients(designBiquad(0, 1, 0, BiquadType::HighPass, kRate),
                           designBiquad(0.1, 1, 0, BiquadType::HighPass, kRate));
    expectSameCoefficients(designBiquad(1000, 0, 0, BiquadType::LowPass, kRate),
                           designBiquad(1000, 0.01, 0, BiquadType::LowPass, kRate));
    expectSameCoefficients(designBiquad(1000, 50, 0, BiquadType::LowPass, kRate),
                           designBiquad(1000, 10, 0, BiquadType::LowPass, kRate));
    expectSameCoefficients(designBiquad(1000, 1, 3, -4.0, kRate),
                           designBiquad(1000, 1, 3, 1.0, kRate));
    expectSameCoefficients(designBiquad(1000, 1, 3, 12.0, kRate),
                           designBiquad(1000, 1, 3, 8.0, kRate));
}

// The cookbook forms' defining values, measured on the frequency response.
TEST(BiquadDesign, EachTypeHasItsCharacteristicResponse) {
    const double f = 1000, nyquist = kRate / 2;
    EXPECT_NEAR(magnitudeDb(designBiquad(f, 0.7, 9, BiquadType::LowShelf, kRate), 0), 9, 1e-9);
    EXPECT_NEAR(magnitudeDb(designBiquad(f, 0.7, -9, BiquadType::HighShelf, kRate), nyquist), -9,
                1e-9);
    EXPECT_NEAR(magnitudeDb(designBiquad(f, 2, 7, BiquadType::Peaking, kRate), f), 7, 1e-9);
    EXPECT_NEAR(magnitudeDb(designBiquad(f, 2, 7, BiquadType::Peaking, kRate), 10), 0, 0.01);
    EXPECT_NEAR(magnitudeDb(designBiquad(f, 0.5, 0, BiquadType::LowPass, kRate), 0), 0, 1e-9);
    EXPECT_NEAR(magnitudeDb(designBiquad(f, 0.5, 0, BiquadType::LowPass, kRate), f),
                20 * std::log10(0.5), 1e-9);
    EXPECT_NEAR(magnitudeDb(designBiquad(f, 2, 0, BiquadType::HighPass, kRate), nyquist), 0, 1e-9);
    EXPECT_NEAR(magnitudeDb(designBiquad(f, 2, 0, BiquadType::HighPass, kRate), f),
                20 * std::log10(2.0), 1e-9);
    EXPECT_NEAR(magnitudeDb(designBiquad(f, 1, 0, BiquadType::BandPass, kRate), f), 0, 1e-9);
    EXPECT_LT(magnitudeDb(designBiquad(f, 1, 0, BiquadType::Notch, kRate), f), -200);
    for (double probe : {10.0, 300.0, 1000.0, 5000.0, 20000.0})
        EXPECT_NEAR(magnitudeDb(designBiquad(f, 0.5, 0, BiquadType::AllPass, kRate), probe), 0,
                    1e-9)
            << probe;
}

// Part of the tone section's contract: each peak has its gain in dB at its
// centre, e.g. Bass +6 gives +19.8 dB at 110 Hz and −15 dB at 160 Hz.
TEST(BiquadDesign, ToneFiltersReachTheirGainAtTheirCentre) {
    const struct {
        double frequency, q, gain;
    } peaks[] = {{110, 1.5, 19.8}, {160, 3, -15}, {60, 0.5, -6}, {1500, 2, 4.5},
                 {450, 0.5, 9},    {160, 1, -3},  {350, 2, -18}, {6000, 0.5, 18},
                 {1600, 2, 6},     {2700, 3, -6}, {2700, 2, -24}};
    for (const auto& p : peaks)
        EXPECT_NEAR(magnitudeDb(designBiquad(p.frequency, p.q, p.gain, BiquadType::Peaking, kRate),
                                p.frequency),
                    p.gain, 1e-9)
            << p.frequency << " Hz";
    // Treble −6: the 1200 Hz shelf reaches −6 dB at the top of the band.
    EXPECT_NEAR(magnitudeDb(designBiquad(1200, 1.5, -6, BiquadType::HighShelf, kRate), kRate / 2),
                -6, 1e-9);
}

TEST(BiquadDesign, DirectFormOneRecurrence) {
    const auto c = designBiquad(500, 0.8, 0, BiquadType::LowPass, kRate);
    gravelo::dsp::BiquadState s;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (int i = 0; i < 50; ++i) {
        const double x = (i % 7) - 3.0;
        const double expected = (c.b0 * x + (c.b1 * x1 + c.b2 * x2 - c.a2 * y2)) - c.a1 * y1;
        EXPECT_EQ(gravelo::dsp::runBiquad(c, s, x), expected);
        x2 = x1, x1 = x, y2 = y1, y1 = expected;
    }
    EXPECT_EQ(s.x1, x1);
    EXPECT_EQ(s.y2, y2);

    // The block runner is the same recurrence.
    gravelo::dsp::BiquadState a, b;
    std::vector<double> in(300), out(300);
    for (size_t i = 0; i < in.size(); ++i)
        in[i] = std::sin(0.01 * static_cast<double>(i * i));
    gravelo::dsp::runBiquadBlock(c, b, in.data(), out.data(), 300);
    for (size_t i = 0; i < in.size(); ++i)
        ASSERT_EQ(out[i], gravelo::dsp::runBiquad(c, a, in[i])) << i;
    EXPECT_EQ(a.y1, b.y1);
    EXPECT_EQ(a.x2, b.x2);
}

// Three different filters in the lanes of one vector, the fourth lane spare:
// each lane gives its own filter's per-sample outputs and states.
TEST(BiquadDesign, LaneRunnerRunsEachFilterInItsOwnLane) {
    const gravelo::dsp::BiquadCoeffs c[3] = {
        designBiquad(80, 1, 0, BiquadType::LowPass, kRate),
        designBiquad(1000, 2, 9, BiquadType::Peaking, kRate),
        designBiquad(3000, 0.7, 0, BiquadType::HighPass, kRate)};
    gravelo::dsp::BiquadState lanes[3], alone[3];
    for (int k = 0; k < 3; ++k)
        lanes[k] = alone[k] = {0.1 * k, -0.2, 0.3, 0.05 * k}; // a run already under way
    gravelo::dsp::BiquadRunner<gravelo::dsp::Quad> quad({&c[0], &c[1], &c[2]},
                                                        {&lanes[0], &lanes[1], &lanes[2]});
    for (int i = 0; i < 200; ++i) {
        const double x = std::sin(0.05 * i * i);
        const gravelo::dsp::Quad y = quad(gravelo::dsp::Quad{x, -x, 0.5 * x, 1.0});
        ASSERT_EQ(y[0], gravelo::dsp::runBiquad(c[0], alone[0], x)) << i;
        ASSERT_EQ(y[1], gravelo::dsp::runBiquad(c[1], alone[1], -x)) << i;
        ASSERT_EQ(y[2], gravelo::dsp::runBiquad(c[2], alone[2], 0.5 * x)) << i;
    }
    quad.store();
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(lanes[k].x1, alone[k].x1) << k;
        EXPECT_EQ(lanes[k].x2, alone[k].x2) << k;
        EXPECT_EQ(lanes[k].y1, alone[k].y1) << k;
        EXPECT_EQ(lanes[k].y2, alone[k].y2) << k;
    }
}
