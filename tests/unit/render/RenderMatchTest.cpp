// The tool's renders against the VST 2.x host library (tools/vsthost)'s: the same input and
// settings must give the same samples.
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include <sndfile.h>

#include <algorithm>
#include <cmath>

namespace gravelo::test::render {
namespace {

// Host values the amplifier's own ranges give for the display values asked
// for below (Quorvel 0..40, Output -20..20, Dirt 0..10, Bass -6..6).
const std::vector<std::pair<int, float>> kDisplaySettingsAsHostValues = {
    {0, 12.0f / 40.0f}, {1, (-3.5f + 20.0f) / 40.0f}, {3, 0.55f}, {4, (2.5f + 6.0f) / 12.0f}};
const std::vector<std::string> kDisplaySettings = {"--set", "Quorvel=12", "--set", "Output=-3.5",
                                                   "--set", "dirt=5.5",   "--set", "Bass=2.5"};

std::vector<std::string> withArgs(std::vector<std::string> front,
                                  const std::vector<std::string>& more) {
    front.insert(front.end(), more.begin(), more.end());
    return front;
}

TEST(RenderMatch, StereoWithDisplaySettingsEqualsTestHost) {
    TempDir dir;
    const Audio input = testSignal(48000, 2, 2.0);
    writeAudio(dir.file("in.wav"), input);
    const ToolResult run =
        runTool(withArgs(kDisplaySettings, {dir.file("in.wav"), dir.file("out.wav")}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const Audio output = readAudio(dir.file("out.wav"));
    EXPECT_EQ(output.rate, 48000);
    Reference how;
    how.parameters = kDisplaySettingsAsHostValues;
    std::string why;
    EXPECT_TRUE(sameAudio(output, renderReference(input, how), why)) << why;
    // The settings changed the sound: a render at the defaults differs.
    EXPECT_FALSE(sameAudio(output, renderReference(input, Reference{}), why));
}

TEST(RenderMatch, MonoInputFeedsBothInputsWithBlockAndTail) {
    TempDir dir;
    const Audio input = testSignal(44100, 1, 1.5);
    writeAudio(dir.file("in.wav"), input, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    const ToolResult run = runTool({"--block", "100", "--tail", "0.5", "--set", "Middle=-2",
                                    "--set", "Depth=3.3", dir.file("in.wav"), dir.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Audio output = readAudio(dir.file("out.wav"));
    EXPECT_EQ(output.rate, 44100);
    EXPECT_EQ(output.frames(), input.frames() + 22050);
    Reference how;
    how.block = 100;
    how.tailSeconds = 0.5;
    how.parameters = {{5, (-2.0f + 6.0f) / 12.0f}, {7, (3.3f - 0.1f) / 9.9f}};
    std::string why;
    EXPECT_TRUE(sameAudio(output, renderReference(input, how), why)) << why;
}

TEST(RenderMatch, DoublePrecisionEqualsTestHost) {
    TempDir dir;
    const Audio input = testSignal(48000, 2, 1.0);
    writeAudio(dir.file("in.wav"), input);
    const ToolResult run =
        runTool(withArgs({"--double", "--block", "512"},
                         withArgs(kDisplaySettings, {dir.file("in.wav"), dir.file("out.wav")})));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Reference how;
    how.doublePrecision = true;
    how.block = 512;
    how.parameters = kDisplaySettingsAsHostValues;
    std::string why;
    EXPECT_TRUE(sameAudio(readAudio(dir.file("out.wav")), renderReference(input, how), why)) << why;
}

TEST(RenderMatch, MultichannelInputUsesTheFirstTwoChannels) {
    TempDir dir;
    const Audio input = testSignal(48000, 4, 1.0);
    writeAudio(dir.file("in.wav"), input);
    const ToolResult run = runTool({"--set", "Treble=4", dir.file("in.wav"), dir.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Reference how;
    how.parameters = {{6, (4.0f + 6.0f) / 12.0f}};
    std::string why;
    EXPECT_TRUE(sameAudio(readAudio(dir.file("out.wav")), renderReference(input, how), why)) << why;
}

TEST(RenderMatch, HostValuesByIndexEqualTestHost) {
    TempDir dir;
    const Audio input = testSignal(48000, 1, 1.0);
    writeAudio(dir.file("in.wav"), input);
    const ToolResult run =
        runTool({"--set", "3=0.37n", "--set", "0=0.6n", dir.file("in.wav"), dir.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Reference how;
    how.parameters = {{3, 0.37f}, {0, 0.6f}};
    std::string why;
    EXPECT_TRUE(sameAudio(readAudio(dir.file("out.wav")), renderReference(input, how), why)) << why;
}

TEST(RenderMatch, OtherFormatsHoldTheSameRender) {
    TempDir dir;
    const Audio input = testSignal(48000, 2, 1.0);
    writeAudio(dir.file("in.flac"), input, SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
    for (const char* name : {"out.wav", "out.aiff", "out.flac", "out.ogg"}) {
        const ToolResult run = runTool({"--set", "Output=-6", dir.file("in.flac"), dir.file(name)});
        ASSERT_EQ(run.exitCode, 0) << name << ": " << run.err;
    }
    const Audio wav = readAudio(dir.file("out.wav"));
    const Audio aiff = readAudio(dir.file("out.aiff"));
    const Audio flac = readAudio(dir.file("out.flac"));
    const Audio ogg = readAudio(dir.file("out.ogg"));
    EXPECT_EQ(aiff.samples, wav.samples);
    ASSERT_EQ(flac.samples.size(), wav.samples.size());
    ASSERT_EQ(ogg.samples.size(), wav.samples.size());
    double flacError = 0.0, oggEnergy = 0.0;
    for (size_t i = 0; i < wav.samples.size(); ++i) {
        flacError =
            std::max(flacError, std::abs(flac.samples[i] - std::clamp(wav.samples[i], -1.0, 1.0)));
        oggEnergy += ogg.samples[i] * ogg.samples[i];
    }
    EXPECT_LE(flacError, 2.0 / (1 << 23)); // 24-bit PCM: rounding and scale
    EXPECT_GT(oggEnergy, 0.0);
    for (const Audio* audio : {&aiff, &flac, &ogg}) {
        EXPECT_EQ(audio->rate, 48000);
        EXPECT_EQ(audio->channels, 2);
    }
}

TEST(RenderMatch, PcmOutputClipsInsteadOfWrapping) {
    TempDir dir;
    const Audio input = testSignal(48000, 1, 0.5);
    writeAudio(dir.file("in.wav"), input);
    const ToolResult run = runTool({"--bits", "16", "--set", "Output=20", "--set", "Quorvel=40",
                                    dir.file("in.wav"), dir.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Audio loud = readAudio(dir.file("out.wav"));
    Reference how;
    how.parameters = {{0, 1.0f}, {1, 1.0f}};
    const auto reference = renderReference(input, how);
    ASSERT_EQ(static_cast<size_t>(loud.frames()), reference[0].size());
    ASSERT_GT(*std::max_element(reference[0].begin(), reference[0].end()), 1.0)
        << "the settings should go past full scale";
    for (int64_t i = 0; i < loud.frames(); ++i)
        ASSERT_NEAR(loud.at(i, 0), std::clamp(reference[0][static_cast<size_t>(i)], -1.0, 1.0),
                    2.0 / 32768)
            << "frame " << i;
}

} // namespace
} // namespace gravelo::test::render
