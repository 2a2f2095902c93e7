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

// What only CLAP's streams and host have; the state's bytes, values and
// sound through a fresh instance, and damaged states, are held to the same
// rules as every format's in the route suite.
TEST(ClapState, OneBytePerCallSavesTheChunkAndALoadAsksTheHostToRescan) {
    TestHost hostA, hostB;
    Instance a(library(), hostA), b(library(), hostB);
    a.setValue(1, 4.0);
    ByteSink sink(1);
    ASSERT_TRUE(a.state()->save(a.plugin(), sink.get()));
    EXPECT_EQ(sink.bytes.size(), 260u);
    EXPECT_GE(sink.calls, 260);
    const uint8_t marker[4] = {0x00, 0x00, 0x7A, 0xC4};
    EXPECT_EQ(std::memcmp(sink.bytes.data(), marker, 4), 0);
    ASSERT_TRUE(b.load(sink.bytes, 1));
    EXPECT_EQ(hostB.rescans, 1); // the host re-reads the values
}

TEST(ClapState, StreamsThatFailOrTakeNothingAreSurvived) {
    TestHost host;
    Instance amp(library(), host);
    amp.setValue(1, 4.0);
    const std::vector<uint8_t> good = amp.save();
    amp.setValue(1, -2.0);
    const std::vector<uint8_t> before = amp.save();
    ByteSource broken(std::vector<uint8_t>(good.begin(), good.begin() + 100), 100);
    broken.failAtEnd = true;
    EXPECT_FALSE(amp.state()->load(amp.plugin(), broken.get()));
    EXPECT_EQ(amp.save(), before);
    ByteSource failing(good, 100);
    failing.failAtEnd = true;
    EXPECT_TRUE(amp.state()->load(amp.plugin(), failing.get())); // all 260 came before the error
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
