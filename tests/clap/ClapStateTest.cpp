// Gravelo.clap's state through streams that move one byte per call, and
// what a careless or hostile host may hand it.
#include "ClapTestHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace gravelo::test::clap {
namespace {

const ClapLibrary& library() {
    static ClapLibrary loaded(GRAVELO_CLAP_PATH);
    return loaded;
}

std::vector<float> tone(size_t frames) {
    std::vector<float> s(frames);
    for (size_t f = 0; f < frames; ++f)
        s[f] = static_cast<float>(0.4 * std::sin(f * 0.013) + 0.2 * std::sin(f * 0.071));
    return s;
}

std::vector<float> renderLeft(Instance& amp, const std::vector<float>& in) {
    std::vector<float> left(in.size()), right(in.size());
    for (size_t at = 0; at < in.size(); at += 256)
        amp.process(&in[at], &in[at], &left[at], &right[at], 256);
    return left;
}

void putFloat(std::vector<uint8_t>& bytes, size_t index, float value) {
    std::memcpy(bytes.data() + 4 * index, &value, sizeof value);
}

TEST(ClapState, OneByteStreamsCarryTheChunkIntoAFreshInstance) {
    TestHost hostA, hostB;
    Instance a(library(), hostA);
    const double set[9] = {18, -6.5, 3, 4.5, 2, -1.5, 3.5, 5, 2.5};
    for (clap_id i = 0; i < 9; ++i)
        a.setValue(i, set[i]);
    ByteSink sink(1);
    ASSERT_TRUE(a.state()->save(a.plugin(), sink.get()));
    EXPECT_EQ(sink.bytes.size(), 260u);
    EXPECT_GE(sink.calls, 260);
    const uint8_t marker[4] = {0x00, 0x00, 0x7A, 0xC4};
    EXPECT_EQ(std::memcmp(sink.bytes.data(), marker, 4), 0);

    Instance b(library(), hostB);
    ASSERT_TRUE(b.load(sink.bytes, 1));
    EXPECT_EQ(hostB.rescans, 1); // the host re-reads the values
    for (clap_id i = 0; i < 9; ++i)
        EXPECT_EQ(b.value(i), set[i]) << i;
    EXPECT_EQ(b.save(7), sink.bytes);

    const std::vector<float> in = tone(256 * 40);
    ASSERT_TRUE(a.start(44100, 256));
    ASSERT_TRUE(b.start(44100, 256));
    EXPECT_EQ(renderLeft(a, in), renderLeft(b, in));
}

TEST(ClapState, TruncatedOrCorruptStateIsRefusedAndChangesNothing) {
    TestHost host;
    Instance amp(library(), host);
    amp.setValue(1, 4.0);
    const std::vector<uint8_t> good = amp.save();
    amp.setValue(1, -2.0);
    const std::vector<uint8_t> before = amp.save();

    std::vector<std::vector<uint8_t>> bad;
    bad.push_back({});
    bad.push_back(std::vector<uint8_t>(good.begin(), good.end() - 1)); // 259 bytes
    bad.push_back(std::vector<uint8_t>(good.begin(), good.begin() + 4));
    bad.push_back(good);
    bad.back().push_back(0); // 261 bytes: another state, or a damaged one
    bad.push_back(good);
    bad.back()[3] = 0x00; // no marker
    bad.push_back(good);
    putFloat(bad.back(), 2, std::nanf("")); // Output NaN
    bad.push_back(good);
    putFloat(bad.back(), 40, std::numeric_limits<float>::infinity()); // an unused slider
    bad.push_back(good);
    putFloat(bad.back(), 2, 35.0f); // Output beyond +20 dB
    for (const auto& bytes : bad) {
        EXPECT_FALSE(amp.load(bytes, 1)) << bytes.size() << " bytes";
        EXPECT_EQ(amp.save(), before);
    }
    ByteSource failing(good, 100);
    failing.failAtEnd = true;
    EXPECT_TRUE(amp.state()->load(amp.plugin(), failing.get())); // all 260 came before the error
    ByteSource broken(std::vector<uint8_t>(good.begin(), good.begin() + 100), 100);
    broken.failAtEnd = true;
    EXPECT_FALSE(amp.state()->load(amp.plugin(), broken.get()));
    EXPECT_EQ(host.rescans, 1);

    ByteSink stuck(0); // a host stream that takes nothing
    EXPECT_FALSE(amp.state()->save(amp.plugin(), stuck.get()));
    EXPECT_EQ(stuck.calls, 1);
    EXPECT_FALSE(amp.state()->save(amp.plugin(), nullptr));
    EXPECT_FALSE(amp.state()->load(amp.plugin(), nullptr));
}

TEST(ClapLifeCycle, BadRatesZeroFramesAndMissingBuffersAreSurvived) {
    TestHost host;
    Instance amp(library(), host);
    const clap_plugin* p = amp.plugin();
    for (double rate : {0.0, -44100.0, std::nan(""), std::numeric_limits<double>::infinity()})
        EXPECT_FALSE(p->activate(p, rate, 1, 512)) << rate;
    EXPECT_FALSE(p->activate(p, 48000, 1, 0));
    EXPECT_FALSE(p->start_processing(p)); // never activated

    float out[2] = {};
    EXPECT_EQ(amp.process(out, out, out, out, 0), CLAP_PROCESS_ERROR); // inactive
    ASSERT_TRUE(amp.start(48000, 512));
    // A 0-frame block still delivers its events.
    InputEvents events;
    events.add(0, 1, 6.0);
    EXPECT_EQ(amp.process(out, out, out, out, 0, &events), CLAP_PROCESS_CONTINUE);
    EXPECT_EQ(amp.value(1), 6.0);

    // No input port: silence goes in, the outputs are all written.
    std::vector<float> left(300, 7.0f), right(300, 7.0f);
    float* outputs[2] = {left.data(), right.data()};
    clap_audio_buffer output{outputs, nullptr, 2, 0, 0};
    InputEvents none;
    OutputEvents sink;
    clap_process block{};
    block.frames_count = 300;
    block.audio_outputs = &output;
    block.audio_outputs_count = 1;
    block.in_events = none.get();
    block.out_events = sink.get();
    EXPECT_EQ(p->process(p, &block), CLAP_PROCESS_CONTINUE);
    for (float v : left)
        ASSERT_LT(std::fabs(v), 1e-3f);
    EXPECT_EQ(left, right);
    // No buffers and no event lists at all.
    block.audio_outputs = nullptr;
    block.audio_outputs_count = 0;
    block.in_events = nullptr;
    block.out_events = nullptr;
    EXPECT_EQ(p->process(p, &block), CLAP_PROCESS_CONTINUE);
    EXPECT_EQ(p->process(p, nullptr), CLAP_PROCESS_ERROR);

    // Deactivated while processing, then destroyed active: tidied up.
    p->deactivate(p);
    EXPECT_TRUE(p->activate(p, 96000, 1, 64));
}

} // namespace
} // namespace gravelo::test::clap
