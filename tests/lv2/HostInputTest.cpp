// What hosts get wrong or leave out: rates the plug-in cannot run at,
// control values that are no numbers, ports left unconnected, runs of no
// frames; and what the control outputs show.
#include "HostFixture.h"
#include "support/AllocationCounter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gravelo::test::lv2 {
namespace {

using namespace gravelo::lv2;

constexpr float kInfinity = std::numeric_limits<float>::infinity();

Stereo joined(const Stereo& a, const Stereo& b) {
    Stereo both = a;
    for (size_t c = 0; c < 2; ++c)
        both[c].insert(both[c].end(), b[c].begin(), b[c].end());
    return both;
}

TEST_F(HostTest, SampleRatesOfZeroOrBelowAreRefusedCleanly) {
    for (const double rate : {0.0, -1.0, -48000.0, static_cast<double>(std::nanf("")),
                              static_cast<double>(kInfinity)}) {
        SCOPED_TRACE(rate);
        Instance refused(*world, rate);
        EXPECT_FALSE(refused.ok());
        ASSERT_EQ(refused.logMessages().size(), 1u);
        EXPECT_NE(refused.logMessages()[0].find("sample rate"), std::string::npos);
    }
    Instance withoutLog(*world, 0.0, Instance::Features::None);
    EXPECT_FALSE(withoutLog.ok());
    Instance fine(*world, kRate);
    EXPECT_TRUE(fine.ok());
}

// A value that is no number leaves the control where it was.
TEST_F(HostTest, NonFiniteControlValuesAreIgnored) {
    Instance steady(*world, kRate), disturbed(*world, kRate);
    for (Instance* instance : {&steady, &disturbed}) {
        apply(*instance, kWorstCase);
        instance->control(1) = -6;
    }
    disturbed.control(3) = std::nanf(""); // never a good value: Dirt stays at its default
    steady.control(3) = 0;
    Stereo expected = steady.render(signal(0.1), 256), heard = disturbed.render(signal(0.1), 256);
    for (const float bad : {std::nanf(""), kInfinity, -kInfinity}) {
        disturbed.control(1) = bad;
        disturbed.control(7) = bad;
        expected = joined(expected, steady.render(signal(0.1), 256));
        heard = joined(heard, disturbed.render(signal(0.1), 256));
    }
    EXPECT_TRUE(sameAudio(heard, expected));
}

TEST_F(HostTest, OptionalPortsMayStayUnconnected) {
    Instance full(*world, kRate), sparse(*world, kRate), oneOutput(*world, kRate);
    for (Instance* instance : {&full, &sparse, &oneOutput})
        apply(*instance, kWorstCase);
    for (uint32_t port : {uint32_t{kInputRight}, uint32_t{kLamp}})
        sparse.disconnect(port);
    for (uint32_t m = 0; m < kMeterCount; ++m)
        sparse.disconnect(kFirstMeter + m);
    oneOutput.disconnect(kOutputRight);
    const Stereo heard = full.render(signal(), 256);
    EXPECT_TRUE(sameAudio(sparse.render(signal(), 256), heard));
    EXPECT_EQ(oneOutput.render(signal(), 256)[0], heard[0]);
}

// A run of no frames is an empty block, as an empty VST 2.x block is.
TEST_F(HostTest, RunsOfNoFramesActAsEmptyVstBlocks) {
    const std::vector<double> input = signal(0.1);
    constexpr uint32_t kBlock = 256;
    Instance instance(*world, kRate);
    apply(instance, kWorstCase);
    instance.render({}, kBlock);
    instance.run(0);
    Stereo heard;
    for (size_t done = 0; done < input.size(); done += kBlock) {
        const std::vector<double> piece(
            input.begin() + static_cast<long>(done),
            input.begin() + static_cast<long>(std::min(done + kBlock, input.size())));
        heard = joined(heard, instance.render(piece, kBlock));
        instance.run(0);
        instance.run(0);
    }

    vsthost::Host vst;
    ASSERT_TRUE(vst.create(render::loadedLibrary(vsthost::builtPluginPath()).entry()));
    vst.start(kRate, kBlock);
    for (const auto& [control, value] : kWorstCase)
        vst.setParameter(static_cast<VstInt32>(control),
                         hostValue(static_cast<int>(control), value));
    std::vector<std::vector<float>> none(2), noneOut(2);
    vst.process(none, noneOut);
    Stereo expected;
    for (size_t done = 0; done < input.size(); done += kBlock) {
        const size_t n = std::min<size_t>(kBlock, input.size() - done);
        std::vector<std::vector<float>> in(2, std::vector<float>(n)), out(2, std::vector<float>(n));
        for (size_t j = 0; j < n; ++j)
            in[0][j] = static_cast<float>(input[done + j]);
        vst.process(in, out);
        for (size_t c = 0; c < 2; ++c)
            expected[c].insert(expected[c].end(), out[c].begin(), out[c].end());
        vst.process(none, noneOut);
        vst.process(none, noneOut);
    }
    vst.close();
    EXPECT_TRUE(sameAudio(heard, expected));
}

// The lamp lights at a clip and fades as the panel's does, by 0.05 per
// frame at 30 frames per second. The band gains move with the playing and
// in silence settle towards 0.99, closing 1 % of the way per block.
TEST_F(HostTest, TheControlOutputsShowTheLampAndTheBandGains) {
    Instance instance(*world, kRate);
    apply(instance, kWorstCase);
    instance.control(0) = 30;
    constexpr uint32_t kBlock = 256;
    const std::vector<double> loud = signal(0.5), silence(kBlock, 0.0);
    float brightest = 0;
    for (size_t done = 0; done < loud.size(); done += kBlock) {
        const auto end = loud.begin() + static_cast<long>(std::min(done + kBlock, loud.size()));
        instance.render({loud.begin() + static_cast<long>(done), end}, kBlock);
        brightest = std::max(brightest, instance.port(kLamp));
    }
    EXPECT_EQ(brightest, 1.0f);
    std::array<float, kMeterCount> away{};
    for (uint32_t m = 0; m < kMeterCount; ++m)
        away[m] = std::fabs(instance.port(kFirstMeter + m) - 0.99f);
    EXPECT_GT(*std::max_element(away.begin(), away.end()), 0.05f);
    const float fadePerRun = 0.05f * 30 * kBlock / kRate;
    float previous = instance.port(kLamp);
    int fading = 0;
    for (int run = 0; run < kRate / static_cast<int>(kBlock); ++run) {
        instance.render(silence, kBlock);
        EXPECT_NEAR(instance.port(kLamp), std::max(0.0f, previous - fadePerRun), 1e-5f);
        previous = instance.port(kLamp);
        fading += previous > 0 ? 1 : 0;
    }
    EXPECT_GT(fading, 0);
    EXPECT_EQ(previous, 0.0f);
    // The tails have died away by now.
    for (uint32_t m = 0; m < kMeterCount; ++m)
        away[m] = std::fabs(instance.port(kFirstMeter + m) - 0.99f);
    for (int run = 0; run < 50; ++run) {
        instance.render(silence, kBlock);
        for (uint32_t m = 0; m < kMeterCount; ++m) {
            const float now = std::fabs(instance.port(kFirstMeter + m) - 0.99f);
            EXPECT_NEAR(now, away[m] * 0.99f, 1e-5f) << "band " << m << ", run " << run;
            away[m] = now;
        }
    }
}

TEST_F(HostTest, RunAllocatesNothing) {
    Instance instance(*world, kRate);
    apply(instance, kWorstCase);
    const std::vector<double> input = signal(0.1);
    instance.render(input, 256); // buffers connected
    std::fill(instance.audioIn.begin(), instance.audioIn.end(), 0.25f);
    AllocationCounter counter;
    for (int i = 0; i < 100; ++i) {
        instance.control(1) = static_cast<float>(i % 20) - 10; // a control change per run
        instance.run(256);
        instance.run(0);
    }
    EXPECT_EQ(counter.count(), 0);
}

} // namespace
} // namespace gravelo::test::lv2
