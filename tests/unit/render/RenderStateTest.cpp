// Presets, chunks and the parameter list through the tool.
#include "RenderTestSupport.h"
#include "programs/PresetFile.h"
#include "vsthost/PluginLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace gravelo::test::render {
namespace {

constexpr int32_t kGraveloId = gravelo::render::presetfile::fourCharCode("GRV1");

struct Rendered {
    TempDir dir;
    Audio input = testSignal(48000, 2, 1.0);
    Rendered() { writeAudio(dir.file("in.wav"), input); }
};

vsthost::Host* freshGravelo(vsthost::Host& host) {
    if (!host.create(loadedLibrary(vsthost::builtPluginPath()).entry())) return nullptr;
    host.dispatch(effOpen);
    return &host;
}

double largestDifference(const Audio& a, const Audio& b) {
    double largest = a.samples.size() == b.samples.size() ? 0.0 : INFINITY;
    for (size_t i = 0; i < a.samples.size() && i < b.samples.size(); ++i)
        largest = std::max(largest, std::abs(a.samples[i] - b.samples[i]));
    return largest;
}

TEST(RenderState, SavedPresetGivesTheSameRenderInAFreshRun) {
    Rendered r;
    // Values that 32-bit floats hold exactly, so the preset's chunk (floats)
    // carries precisely what the settings gave.
    const ToolResult save =
        runTool({"--set", "Dirt=7.5", "--set", "Quorvel=18", "--set", "Treble=-3", "--save-preset",
                 r.dir.file("growly.fxp"), r.dir.file("in.wav"), r.dir.file("first.wav")});
    ASSERT_EQ(save.exitCode, 0) << save.err;
    const ToolResult load = runTool({"--load-preset", r.dir.file("growly.fxp"),
                                     r.dir.file("in.wav"), r.dir.file("second.wav")});
    ASSERT_EQ(load.exitCode, 0) << load.err;
    const Audio first = readAudio(r.dir.file("first.wav")),
                second = readAudio(r.dir.file("second.wav"));
    EXPECT_EQ(first.samples, second.samples);
    EXPECT_NE(first.samples, readAudio(r.dir.file("in.wav")).samples);
}

TEST(RenderState, PresetOfDecimalSettingsRendersTheSameEachTime) {
    Rendered r;
    const ToolResult save =
        runTool({"--set", "Dirt=7.2", "--set", "Treble=-3.1", "--save-preset", r.dir.file("p.fxp"),
                 r.dir.file("in.wav"), r.dir.file("set.wav")});
    ASSERT_EQ(save.exitCode, 0) << save.err;
    for (const char* name : {"one.wav", "two.wav"}) {
        const ToolResult load =
            runTool({"--load-preset", r.dir.file("p.fxp"), r.dir.file("in.wav"), r.dir.file(name)});
        ASSERT_EQ(load.exitCode, 0) << load.err;
    }
    const Audio set = readAudio(r.dir.file("set.wav")), one = readAudio(r.dir.file("one.wav"));
    EXPECT_EQ(one.samples, readAudio(r.dir.file("two.wav")).samples);
    // The plug-in stores 7.2 as the float nearest to it, so the preset's
    // render may differ from the --set render in the last bit of a sample.
    EXPECT_LE(largestDifference(set, one), 1e-6);
}

TEST(RenderState, PresetFileHasTheStandardProgramChunkLayout) {
    TempDir dir;
    const ToolResult save = runTool({"--set", "Presence=4.5", "--set", "Output=-1", "--save-preset",
                                     dir.file("p.fxp"), "--preset-name", "Round Tone"});
    ASSERT_EQ(save.exitCode, 0) << save.err;
    const std::vector<uint8_t> file = readBytes(dir.file("p.fxp"));
    ASSERT_GE(file.size(), 60u);
    EXPECT_EQ(bigEndianAt(file, 0), gravelo::render::presetfile::fourCharCode("CcnK"));
    EXPECT_EQ(static_cast<size_t>(bigEndianAt(file, 4)), file.size() - 8);
    EXPECT_EQ(bigEndianAt(file, 8), gravelo::render::presetfile::fourCharCode("FPCh"));
    EXPECT_EQ(bigEndianAt(file, 16), kGraveloId);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data()) + 28), "Round Tone");

    // The chunk is what the plug-in gives a host for the same settings.
    vsthost::Host host;
    ASSERT_NE(freshGravelo(host), nullptr);
    host.setParameter(2, 0.45f);
    host.setParameter(1, 19.0f / 40.0f);
    const std::vector<uint8_t> chunk = host.getChunk(true);
    EXPECT_EQ(bigEndianAt(file, 20), host.effect()->version);
    EXPECT_EQ(bigEndianAt(file, 24), host.effect()->numParams);
    ASSERT_EQ(static_cast<size_t>(bigEndianAt(file, 56)), chunk.size());
    EXPECT_EQ(std::vector<uint8_t>(file.begin() + 60, file.end()), chunk);
}

TEST(RenderState, RawChunkRoundTrips) {
    Rendered r;
    const ToolResult save =
        runTool({"--set", "LFcut=6", "--set", "Middle=3", "--save-chunk", r.dir.file("state.bin"),
                 r.dir.file("in.wav"), r.dir.file("first.wav")});
    ASSERT_EQ(save.exitCode, 0) << save.err;
    EXPECT_EQ(readBytes(r.dir.file("state.bin")).size(), 260u);
    const ToolResult load = runTool(
        {"--load-chunk", r.dir.file("state.bin"), r.dir.file("in.wav"), r.dir.file("second.wav")});
    ASSERT_EQ(load.exitCode, 0) << load.err;
    EXPECT_EQ(readAudio(r.dir.file("first.wav")).samples,
              readAudio(r.dir.file("second.wav")).samples);
}

TEST(RenderState, ParameterListPresetLoads) {
    Rendered r;
    gravelo::render::presetfile::Preset preset;
    preset.kind = gravelo::render::presetfile::PresetKind::ParameterList;
    preset.pluginId = kGraveloId;
    preset.name = "list";
    preset.parameters = {0.25f, 0.5f, 0.3f, 0.8f, 0.5f, 0.5f, 0.5f, 0.6f, 0.1f};
    writeBytes(r.dir.file("list.fxp"), gravelo::render::presetfile::writePreset(preset));
    const ToolResult run = runTool(
        {"--load-preset", r.dir.file("list.fxp"), r.dir.file("in.wav"), r.dir.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Reference how;
    for (size_t i = 0; i < preset.parameters.size(); ++i)
        how.parameters.emplace_back(static_cast<int>(i), preset.parameters[i]);
    std::string why;
    EXPECT_TRUE(sameAudio(readAudio(r.dir.file("out.wav")), renderReference(r.input, how), why))
        << why;
}

TEST(RenderState, ListShowsEachParameterAfterTheSettings) {
    const ToolResult run = runTool({"--set", "Dirt=5", "--set", "Output=-20", "--list"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(lineCount(run.out), 9u);
    for (const char* name :
         {"Quorvel", "Output", "Presence", "Dirt", "Bass", "Middle", "Treble", "Depth", "LFcut"})
        EXPECT_NE(run.out.find(name), std::string::npos) << name;
    EXPECT_NE(run.out.find("  3  Dirt             0.500000  5.00\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  1  Output           0.000000  -20.00\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("  7  Depth            0.797980  8.00\n"), std::string::npos) << run.out;
}

TEST(RenderState, PluginWithoutChunksSavesAParameterList) {
    TempDir dir;
    const ToolResult save = runTool(
        {"--plugin", FAKE_GAIN_PLUGIN, "--set", "Level=2.5", "--save-preset", dir.file("g.fxp")});
    ASSERT_EQ(save.exitCode, 0) << save.err;
    const gravelo::render::presetfile::ParseResult parsed =
        gravelo::render::presetfile::parsePreset(readBytes(dir.file("g.fxp")));
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.preset.kind, gravelo::render::presetfile::PresetKind::ParameterList);
    ASSERT_EQ(parsed.preset.parameters.size(), 1u);
    EXPECT_NEAR(parsed.preset.parameters[0], 0.25f, 0.005f);
    const ToolResult load =
        runTool({"--plugin", FAKE_GAIN_PLUGIN, "--load-preset", dir.file("g.fxp"), "--list"});
    ASSERT_EQ(load.exitCode, 0) << load.err;
    EXPECT_NE(load.out.find("Level"), std::string::npos);
    EXPECT_NE(load.out.find(" 2.5\n"), std::string::npos) << load.out;
}

TEST(RenderState, ShippedPresetsLoadAndChangeTheSound) {
    const std::filesystem::path folder = PRESETS_DIR;
    Rendered r;
    ASSERT_EQ(runTool({r.dir.file("in.wav"), r.dir.file("plain.wav")}).exitCode, 0);
    const Audio plain = readAudio(r.dir.file("plain.wav"));
    for (const char* name : {"clean", "growl", "dirt", "scooped"}) {
        const std::string preset = (folder / (std::string(name) + ".fxp")).string();
        const ToolResult run =
            runTool({"--load-preset", preset, r.dir.file("in.wav"), r.dir.file("out.wav")});
        ASSERT_EQ(run.exitCode, 0) << name << ": " << run.err;
        EXPECT_NE(readAudio(r.dir.file("out.wav")).samples, plain.samples) << name;
    }
}

} // namespace
} // namespace gravelo::test::render
