// The preset file reader and writer on byte buffers.
#include "programs/PresetFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace gravelo::render::presetfile {
namespace {

Preset programChunk() {
    Preset preset;
    preset.kind = PresetKind::ProgramChunk;
    preset.pluginId = fourCharCode("GRV1");
    preset.pluginVersion = 1000;
    preset.count = 9;
    preset.name = "growl";
    for (int i = 0; i < 260; ++i)
        preset.chunk.push_back(static_cast<uint8_t>(i * 7));
    return preset;
}

void putBigEndian(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

TEST(PresetFile, ProgramChunkLayoutIsBigEndianWithNameAndChunk) {
    Preset preset = programChunk();
    preset.chunk = {0xde, 0xad, 0xbe};
    const std::vector<uint8_t> bytes = writePreset(preset);
    const std::vector<uint8_t> header = {'C', 'c',  'n', 'K', 0, 0,   0,   55,  'F', 'P', 'C',
                                         'h', 0,    0,   0,   1, 'G', 'R', 'V', '1', 0,   0,
                                         3,   0xe8, 0,   0,   0, 9,   'g', 'r', 'o', 'w', 'l'};
    ASSERT_EQ(bytes.size(), 63u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 33), header);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 33, bytes.begin() + 56),
              std::vector<uint8_t>(23, 0));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 56, bytes.end()),
              (std::vector<uint8_t>{0, 0, 0, 3, 0xde, 0xad, 0xbe}));
}

TEST(PresetFile, ProgramChunkRoundTrips) {
    const Preset preset = programChunk();
    const ParseResult parsed = parsePreset(writePreset(preset));
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.preset.kind, PresetKind::ProgramChunk);
    EXPECT_EQ(parsed.preset.pluginId, preset.pluginId);
    EXPECT_EQ(parsed.preset.pluginVersion, 1000);
    EXPECT_EQ(parsed.preset.count, 9);
    EXPECT_EQ(parsed.preset.name, "growl");
    EXPECT_EQ(parsed.preset.chunk, preset.chunk);
}

TEST(PresetFile, ParameterListRoundTripsBitForBit) {
    Preset preset;
    preset.kind = PresetKind::ParameterList;
    preset.pluginId = fourCharCode("ABCD");
    preset.parameters = {0.0f, 1.0f, 0.412499994f, 1e-7f, 0.333333343f};
    const std::vector<uint8_t> bytes = writePreset(preset);
    EXPECT_EQ(bytes.size(), 56u + 4 * 5);
    const ParseResult parsed = parsePreset(bytes);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.preset.kind, PresetKind::ParameterList);
    EXPECT_EQ(parsed.preset.count, 5);
    EXPECT_EQ(parsed.preset.parameters, preset.parameters);
}

TEST(PresetFile, BankChunkRoundTrips) {
    Preset preset = programChunk();
    preset.kind = PresetKind::BankChunk;
    preset.count = 1;
    const std::vector<uint8_t> bytes = writePreset(preset);
    EXPECT_EQ(bytes.size(), 156u + 4 + 260);
    const ParseResult parsed = parsePreset(bytes);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.preset.kind, PresetKind::BankChunk);
    EXPECT_EQ(parsed.preset.chunk, preset.chunk);
}

TEST(PresetFile, LongNamesAreCutToTwentySevenCharacters) {
    Preset preset = programChunk();
    preset.name = std::string(40, 'n');
    const ParseResult parsed = parsePreset(writePreset(preset));
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.preset.name, std::string(27, 'n'));
}

TEST(PresetFile, AWrongOverallSizeFieldIsTolerated) {
    std::vector<uint8_t> bytes = writePreset(programChunk());
    putBigEndian(bytes, 4, 12345);
    EXPECT_TRUE(parsePreset(bytes).ok);
}

TEST(PresetFile, EveryCutShortFileIsRefused) {
    const std::vector<uint8_t> whole = writePreset(programChunk());
    for (size_t size = 0; size < whole.size(); ++size) {
        const ParseResult parsed = parsePreset(std::span<const uint8_t>(whole.data(), size));
        EXPECT_FALSE(parsed.ok) << size;
        EXPECT_FALSE(parsed.error.empty()) << size;
    }
}

TEST(PresetFile, ForeignAndMalformedHeadersAreRefused) {
    const std::vector<uint8_t> good = writePreset(programChunk());
    auto refusedWith = [&](size_t offset, uint32_t value, const std::string& words) {
        std::vector<uint8_t> bytes = good;
        putBigEndian(bytes, offset, value);
        const ParseResult parsed = parsePreset(bytes);
        EXPECT_FALSE(parsed.ok);
        EXPECT_NE(parsed.error.find(words), std::string::npos) << parsed.error;
    };
    refusedWith(0, 0x52494646, "CcnK"); // a RIFF file
    refusedWith(8, static_cast<uint32_t>(fourCharCode("FxBk")), "bank of separate programs");
    refusedWith(8, static_cast<uint32_t>(fourCharCode("Junk")), "unknown preset kind 'Junk'");
    refusedWith(56, 0xffffffff, "negative");
    refusedWith(56, 0x7fffffff, "cut short");
}

TEST(PresetFile, HugeParameterCountsAreRefusedWithoutReadingPastTheEnd) {
    Preset preset;
    preset.kind = PresetKind::ParameterList;
    preset.parameters = {0.5f};
    std::vector<uint8_t> bytes = writePreset(preset);
    putBigEndian(bytes, 24, 0x7fffffff);
    EXPECT_FALSE(parsePreset(bytes).ok);
    putBigEndian(bytes, 24, 0x80000000);
    EXPECT_FALSE(parsePreset(bytes).ok);
}

TEST(PresetFile, MutatedFilesParseWithoutReadingOutside) {
    // Under the sanitizer build any read past the buffer fails this test.
    const std::vector<uint8_t> original = writePreset(programChunk());
    uint32_t state = 1;
    auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> bytes = original;
        bytes.resize(next() % (bytes.size() + 16));
        for (int flips = static_cast<int>(next() % 4); flips > 0 && !bytes.empty(); --flips)
            bytes[next() % bytes.size()] = static_cast<uint8_t>(next() >> 24);
        // On the heap at its exact size, so that any overrun is caught.
        const auto copy = std::make_unique<uint8_t[]>(bytes.size());
        std::copy(bytes.begin(), bytes.end(), copy.get());
        const ParseResult parsed = parsePreset(std::span<const uint8_t>(copy.get(), bytes.size()));
        if (!parsed.ok) continue;
        ++accepted;
        EXPECT_LE(parsed.preset.chunk.size() + parsed.preset.parameters.size() * 4, bytes.size());
    }
    EXPECT_GT(accepted, 0);
}

TEST(PresetFile, IdsAreDescribedReadably) {
    EXPECT_EQ(describeId(fourCharCode("GRV1")), "'GRV1'");
    EXPECT_EQ(describeId(0x00000102), "0x00000102");
}

} // namespace
} // namespace gravelo::render::presetfile
