#include "support/PluginFixture.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

using Parameters = PluginFixture;

const char* const kNames[9] = {"Quorvel", "Output", "Presence", "Dirt", "Bass",
                               "Middle",  "Treble", "Depth",    "LFcut"};

std::vector<float> floatsOf(const std::vector<uint8_t>& bytes) {
    std::vector<float> values(bytes.size() / 4);
    std::memcpy(values.data(), bytes.data(), values.size() * 4);
    return values;
}

std::vector<uint8_t> bytesOf(const std::vector<float>& values) {
    std::vector<uint8_t> bytes(values.size() * 4);
    std::memcpy(bytes.data(), values.data(), bytes.size());
    return bytes;
}

TEST_F(Parameters, NamesLabelsAndDefaults) {
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(host.parameterName(i), kNames[i]);
        EXPECT_EQ(host.text(effGetParamLabel, i), "");
    }
    EXPECT_EQ(host.parameterDisplay(7), "8.00");
    EXPECT_EQ(host.parameterDisplay(1), "0.00");
    EXPECT_FLOAT_EQ(host.getParameter(1), 0.5f);
    EXPECT_FLOAT_EQ(host.getParameter(7), (8.0f - 0.1f) / 9.9f);
}

TEST_F(Parameters, OutputSnapsToHalfDecibels) {
    host.setParameter(1, 0.5f);
    EXPECT_EQ(host.parameterDisplay(1), "0.00");
    host.setParameter(1, 0.25f);
    EXPECT_EQ(host.parameterDisplay(1), "-10.00");
    host.setParameter(1, 0.75f);
    EXPECT_EQ(host.parameterDisplay(1), "10.00");
    host.setParameter(1, 0.51f); // 0.4 dB goes to the nearest half decibel
    EXPECT_EQ(host.parameterDisplay(1), "0.50");
    host.setParameter(0, 0.5f);
    EXPECT_EQ(host.parameterDisplay(0), "20.00");
    EXPECT_FLOAT_EQ(host.getParameter(0), 0.5f);
}

TEST_F(Parameters, ValuesOutsideZeroToOneAreNotClamped) {
    host.setParameter(0, 1.5f);
    EXPECT_EQ(host.parameterDisplay(0), "60.00");
    EXPECT_FLOAT_EQ(host.getParameter(0), 1.5f);
    host.setParameter(0, -0.25f);
    EXPECT_EQ(host.parameterDisplay(0), "-10.00");
}

TEST_F(Parameters, NonFiniteValuesAreRefused) {
    host.setParameter(2, 0.3f);
    for (float bad : {std::nanf(""), std::numeric_limits<float>::infinity(),
                      -std::numeric_limits<float>::infinity()}) {
        host.setParameter(2, bad);
        EXPECT_EQ(host.parameterDisplay(2), "3.00");
    }
    host.setParameter(2, 3e38f); // beyond what the chunk's floats can hold
    EXPECT_EQ(host.parameterDisplay(2), "3.00");
    host.setParameter(2, 1e6f); // far outside the range, but saveable: stored as given
    EXPECT_EQ(host.parameterDisplay(2), "10000000.00");
    const std::vector<uint8_t> saved = host.getChunk();
    for (float v : floatsOf(saved))
        EXPECT_TRUE(std::isfinite(v));
    host.setChunk(saved.data(), saved.size());
    EXPECT_EQ(host.getChunk(), saved);
}

TEST_F(Parameters, FreshChunkHoldsTheDefaults) {
    const std::vector<uint8_t> chunk = host.getChunk();
    ASSERT_EQ(chunk.size(), 260u);
    EXPECT_EQ(chunk[0], 0x00);
    EXPECT_EQ(chunk[1], 0x00);
    EXPECT_EQ(chunk[2], 0x7A);
    EXPECT_EQ(chunk[3], 0xC4);
    const std::vector<float> values = floatsOf(chunk);
    for (size_t n = 1; n <= 64; ++n)
        EXPECT_EQ(values[n], n == 8 ? 8.0f : 0.0f) << "slider " << n;
    EXPECT_EQ(host.getChunk(true), chunk) << "bank and program chunks are the same";
}

TEST_F(Parameters, ChunkRoundTripsOnAFreshInstanceIncludingOutOfRangeValues) {
    host.start();
    std::vector<float> values = floatsOf(host.getChunk());
    values[1] = 33.0f;
    values[2] = -7.5f;
    values[5] = 123.25f; // outside Bass's range: still loaded
    values[40] = 4.0f;
    EXPECT_EQ(host.setChunk(bytesOf(values).data(), 260), 260);
    const std::vector<uint8_t> saved = host.getChunk();

    gravelo::vsthost::Host fresh;
    ASSERT_TRUE(fresh.create(library->entry("VSTPluginMain")));
    fresh.start();
    EXPECT_EQ(fresh.setChunk(saved.data(), saved.size()), 260);
    EXPECT_EQ(fresh.getChunk(), saved);
    EXPECT_EQ(fresh.parameterDisplay(4), "123.25");
}

TEST_F(Parameters, ShortChunksLoadWhatTheyHold) {
    const std::vector<uint8_t> before = host.getChunk();
    const float marker = -1000.0f;
    EXPECT_EQ(host.setChunk(&marker, 4), 4);
    EXPECT_EQ(host.getChunk(), before);

    const float three[3] = {-1000.0f, 12.0f, 99.0f};
    EXPECT_EQ(host.setChunk(three, 10), 10); // the last two bytes are ignored
    EXPECT_EQ(host.parameterDisplay(0), "12.00");
    EXPECT_EQ(host.parameterDisplay(1), "0.00");
}

TEST_F(Parameters, NonFiniteChunkValuesLeaveTheirSlidersAlone) {
    std::vector<float> values = floatsOf(host.getChunk());
    values[1] = std::nanf("");
    values[2] = std::numeric_limits<float>::infinity();
    values[3] = 2.5f;
    host.setChunk(bytesOf(values).data(), 260);
    const std::vector<float> after = floatsOf(host.getChunk());
    EXPECT_EQ(after[1], 0.0f);
    EXPECT_EQ(after[2], 0.0f);
    EXPECT_EQ(after[3], 2.5f);
}

// Whatever a host throws at setChunk, the next getChunk must still save a
// state that restores exactly.
TEST_F(Parameters, RandomChunksOfEveryLengthLeaveASaveableState) {
    host.start();
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(0, 255);
    for (size_t length = 0; length <= 300; ++length) {
        for (bool validMarker : {false, true}) {
            std::vector<uint8_t> chunk(length);
            for (uint8_t& b : chunk)
                b = static_cast<uint8_t>(byte(random));
            if (validMarker && length >= 4) std::memcpy(chunk.data(), "\x00\x00\x7A\xC4", 4);
            EXPECT_EQ(host.setChunk(chunk.data(), chunk.size()), static_cast<VstIntPtr>(length));
            const std::vector<uint8_t> saved = host.getChunk();
            ASSERT_EQ(saved.size(), 260u);
            for (float v : floatsOf(saved))
                ASSERT_TRUE(std::isfinite(v));
            host.setChunk(saved.data(), saved.size());
            ASSERT_EQ(host.getChunk(), saved);
        }
    }
}

} // namespace
