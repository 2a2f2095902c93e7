// The audio path through the plug-in's AEffect record: channels, precisions,
// in-place buffers, block lengths, start-up silence, bad input and bypass.
#include "DspTestSupport.h"
#include "PluginSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

using gravelo::test::dsp::Plugin;
using gravelo::test::dsp::testSignal;

namespace {

void setWorstCase(Plugin& p) {
    const gravelo::test::dsp::Sliders s = gravelo::test::dsp::worstCase();
    for (int n = 1; n <= 9; ++n)
        p.setSlider(n, s.s[n]);
}

// Output of one plug-in for `x` on the left and `right` on the right input,
// processed in host blocks of `block` frames.
template <class Sample>
std::vector<Sample> render(Plugin& p, const std::vector<double>& x,
                           const std::vector<double>& right, size_t block,
                           std::vector<Sample>* rightOut = nullptr) {
    std::vector<Sample> result;
    for (size_t start = 0; start < x.size(); start += block) {
        const size_t n = std::min(block, x.size() - start);
        std::vector<Sample> l(x.begin() + static_cast<long>(start),
                              x.begin() + static_cast<long>(start + n));
        std::vector<Sample> r(right.begin() + static_cast<long>(start),
                              right.begin() + static_cast<long>(start + n));
        std::vector<Sample> ol(n), orr(n);
        p.process(l, r, ol, orr);
        result.insert(result.end(), ol.begin(), ol.end());
        if (rightOut != nullptr) rightOut->insert(rightOut->end(), orr.begin(), orr.end());
    }
    return result;
}

} // namespace

TEST(AudioPath, RightInputNeverMattersAndBothOutputsAreEqual) {
    Plugin a, b;
    a.start();
    b.start();
    setWorstCase(a);
    setWorstCase(b);
    const auto x = testSignal(9600);
    const std::vector<double> silence(x.size(), 0.0);
    std::vector<double> noise(x.size());
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = std::sin(static_cast<double>(i) * 1.7) * 0.9;
    std::vector<float> rightA, rightB;
    const auto outA = render<float>(a, x, silence, 256, &rightA);
    const auto outB = render<float>(b, x, noise, 256, &rightB);
    ASSERT_EQ(outA.size(), x.size());
    for (size_t i = 0; i < x.size(); ++i) {
        ASSERT_EQ(outA[i], outB[i]) << i;
        ASSERT_EQ(outA[i], rightA[i]) << i;
        ASSERT_EQ(outB[i], rightB[i]) << i;
    }
    EXPECT_GT(
        gravelo::test::dsp::rms(std::vector<double>(outA.begin(), outA.end()).data(), outA.size()),
        0.01);
}

TEST(AudioPath, SingleAndDoublePrecisionAgreeToFloatPrecision) {
    for (bool worst : {false, true}) {
        Plugin single, dual;
        single.start();
        dual.start();
        if (worst) setWorstCase(single), setWorstCase(dual);
        // A signal exactly representable in float, so both paths see the same input.
        std::vector<double> x;
        for (double v : testSignal(9600))
            x.push_back(static_cast<float>(v));
        const std::vector<double> right(x.size(), 0.0);
        const auto f = render<float>(single, x, right, 256);
        const auto d = render<double>(dual, x, right, 256);
        for (size_t i = 0; i < x.size(); ++i)
            ASSERT_EQ(f[i], static_cast<float>(d[i])) << i;
    }
}

TEST(AudioPath, InPlaceEqualsSeparateBuffers) {
    Plugin a, b;
    a.start();
    b.start();
    setWorstCase(a);
    setWorstCase(b);
    const auto x = testSignal(1000);
    auto l = gravelo::test::dsp::convert<float>(x), r = gravelo::test::dsp::convert<float>(x);
    auto l2 = l, r2 = r;
    std::vector<float> ol(x.size()), orr(x.size());
    a.process(l, r, ol, orr);
    b.process(l2, r2, l2, r2); // the host passes the same buffers
    for (size_t i = 0; i < x.size(); ++i) {
        ASSERT_EQ(l2[i], ol[i]) << i;
        ASSERT_EQ(r2[i], orr[i]) << i;
    }

    auto dl = gravelo::test::dsp::convert<double>(x), dr = dl;
    std::vector<double> dol(x.size()), dor(x.size());
    Plugin c, d;
    c.start();
    d.start();
    c.process(dl, dr, dol, dor);
    auto dl2 = gravelo::test::dsp::convert<double>(x), dr2 = dl2;
    d.process(dl2, dr2, dl2, dr2);
    for (size_t i = 0; i < x.size(); ++i)
        ASSERT_EQ(dl2[i], dol[i]) << i;
}

// The block form inside the shell and the per-frame sample hook give the
// same output; a host block longer than the shell's pieces too.
TEST(AudioPath, BlockFormEqualsSampleHook) {
    Plugin p;
    p.start();
    setWorstCase(p);
    const auto x = testSignal(4000);
    const std::vector<double> right(x.size(), 0.0);
    std::vector<double> rightOut;
    const auto out = render<double>(p, x, right, 1000, &rightOut);

    Plugin q;
    q.start();
    setWorstCase(q);
    TVobrixEffect& fx = q.runtime();
    for (size_t start = 0; start < x.size(); start += 1000) {
        fx.doBlock();
        for (size_t i = start; i < start + 1000; ++i) {
            fx.samples[0] = x[i];
            fx.samples[1] = 0.3;
            fx.doSample();
            ASSERT_EQ(fx.samples[0], out[i]) << i;
            ASSERT_EQ(fx.samples[1], out[i]) << i;
        }
    }
}

// Single precision through the block form's converting pieces, with host
// blocks that are not multiples of the four-sample conversion steps: each
// output is the sample hook's result for the widened input, narrowed.
TEST(AudioPath, SinglePrecisionBlocksEqualTheSampleHookForAnyLength) {
    const auto source = testSignal(3000);
    std::vector<double> x(source.size());
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = static_cast<double>(static_cast<float>(source[i]));
    const std::vector<double> right(x.size(), 0.25);

    for (size_t block : {1u, 3u, 5u, 130u, 1001u}) {
        Plugin p, q;
        p.start();
        setWorstCase(p);
        q.start();
        setWorstCase(q);
        std::vector<float> rightOut;
        const auto out = render<float>(p, x, right, block, &rightOut);
        TVobrixEffect& fx = q.runtime();
        for (size_t start = 0; start < x.size(); start += block) {
            fx.doBlock();
            for (size_t i = start; i < std::min(start + block, x.size()); ++i) {
                fx.samples[0] = x[i];
                fx.samples[1] = right[i];
                fx.doSample();
                ASSERT_EQ(static_cast<float>(fx.samples[0]), out[i])
                    << "block " << block << " frame " << i;
                ASSERT_EQ(static_cast<float>(fx.samples[1]), rightOut[i])
                    << "block " << block << " frame " << i;
            }
        }
    }
}

TEST(AudioPath, ZeroAnd64FrameBlocks) {
    Plugin p;
    p.start();
    TVobrixEffect& fx = p.runtime();
    std::vector<float> none;
    fx.amp.beginBlock(); // burn one draw so the counts below are relative
    const double offsetBefore = fx.amp.noiseOffset();
    p.process(none, none, none, none); // doBlock runs, no frame
    EXPECT_NE(fx.amp.noiseOffset(), offsetBefore);

    auto x = gravelo::test::dsp::convert<float>(testSignal(64));
    auto r = x;
    std::vector<float> ol(64, std::nanf("")), orr(64, std::nanf(""));
    p.process(x, r, ol, orr);
    for (size_t i = 0; i < 64; ++i) {
        ASSERT_TRUE(std::isfinite(ol[i])) << i;
        ASSERT_EQ(ol[i], orr[i]) << i;
    }
}

TEST(AudioPath, SilenceBeforeResumeAndAtSampleRateZero) {
    Plugin notResumed;
    notResumed.dispatch(effOpen);
    const auto x = testSignal(512);
    const std::vector<double> right(x.size(), 0.0);
    for (float v : render<float>(notResumed, x, right, 256))
        ASSERT_EQ(v, 0.0f);

    Plugin zeroRate;
    zeroRate.start(0.0f);
    for (double v : render<double>(zeroRate, x, right, 256))
        ASSERT_EQ(v, 0.0);
    // A later resume with a real rate brings the sound.
    zeroRate.dispatch(effMainsChanged, 0, 0);
    zeroRate.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    zeroRate.dispatch(effMainsChanged, 0, 1);
    const auto out =
        render<double>(zeroRate, testSignal(4800), std::vector<double>(4800, 0.0), 256);
    EXPECT_GT(gravelo::test::dsp::rms(out.data(), out.size()), 0.01);
}

// A NaN burst, an infinite sample and a run of denormals, then normal audio:
// finite throughout, and the same as if the bad samples had been silence.
TEST(AudioPath, BadInputNeverReachesTheOutput) {
    Plugin hit, clean;
    hit.start();
    clean.start();
    setWorstCase(hit);
    setWorstCase(clean);
    auto x = testSignal(256 * 12);
    auto bad = x;
    for (size_t i = 300; i < 340; ++i)
        bad[i] = std::nan("");
    bad[700] = INFINITY;
    bad[701] = -INFINITY;
    for (size_t i = 1024; i < 1536; ++i)
        x[i] = bad[i] = 1e-310;
    for (size_t i = 300; i < 340; ++i)
        x[i] = 0;
    x[700] = x[701] = 0;
    const std::vector<double> right(x.size(), 0.0);
    const auto expected = render<double>(clean, x, right, 256);
    const auto actual = render<double>(hit, bad, right, 256);
    for (size_t i = 0; i < x.size(); ++i) {
        ASSERT_TRUE(std::isfinite(actual[i])) << i;
        ASSERT_EQ(actual[i], expected[i]) << i;
    }

    // Single precision: float infinity and NaN the same.
    Plugin f;
    f.start();
    std::vector<float> l(256, INFINITY), r(256, 0.0f), ol(256), orr(256);
    l[10] = std::nanf("");
    f.process(l, r, ol, orr);
    for (float v : ol)
        ASSERT_TRUE(std::isfinite(v));
}

TEST(AudioPath, BypassAnswersZeroAndProcessingGoesOn) {
    Plugin bypassed, plain;
    bypassed.start();
    plain.start();
    EXPECT_EQ(bypassed.dispatch(effSetBypass, 0, 1), 0);
    const auto x = testSignal(2048);
    const std::vector<double> right(x.size(), 0.0);
    const auto a = render<float>(bypassed, x, right, 256);
    const auto b = render<float>(plain, x, right, 256);
    for (size_t i = 0; i < x.size(); ++i)
        ASSERT_EQ(a[i], b[i]) << i;
}

// A chunk may carry any finite slider value; an output level of 900 dB
// drives the chain far beyond what a float holds.
TEST(AudioPath, SinglePrecisionOutputStaysFiniteBeyondFloatRange) {
    gravelo::test::dsp::Plugin plugin;
    plugin.start();
    float chunk[65] = {-1000.0f};
    chunk[2] = 900.0f;
    chunk[8] = 8.0f;
    plugin.dispatch(effSetChunk, 0, sizeof chunk, chunk);
    std::vector<float> inLeft(300), inRight(300, 0.0f), outLeft(300), outRight(300);
    for (size_t i = 0; i < inLeft.size(); ++i)
        inLeft[i] = static_cast<float>(0.5 * std::sin(0.05 * i));
    plugin.process(inLeft, inRight, outLeft, outRight);
    for (size_t i = 0; i < outLeft.size(); ++i) {
        ASSERT_TRUE(std::isfinite(outLeft[i])) << i;
        ASSERT_TRUE(std::isfinite(outRight[i])) << i;
    }
    EXPECT_EQ(std::fabs(outLeft[100]), std::numeric_limits<float>::max());
}
