// The tool is a host for any VST 2.x effect: here one of the LSP plug-ins
// that Debian packages (lsp-plugins-vst, installed by scripts/install-deps.sh).
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace rendertest {
namespace {

const std::string kCompressor = std::string(LSP_VST_DIR) + "/compressor-stereo.so";

class OtherPlugin : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kCompressor)) GTEST_SKIP() << kCompressor << " is not installed";
    }
};

TEST_F(OtherPlugin, ListsItsParameters) {
    const ToolResult run = runTool({"--plugin", kCompressor, "--list"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_GT(lineCount(run.out), 10u);
    EXPECT_NE(run.out.find("g_out"), std::string::npos) << run.out;
}

TEST_F(OtherPlugin, RenderEqualsTestHost) {
    TempDir dir;
    const Audio input = testSignal(48000, 2, 1.5);
    writeAudio(dir.file("in.wav"), input);
    const ToolResult run = runTool({"--plugin", kCompressor, "--set", "g_out=-6 dB", "--set", "cr=8", "--tail", "0.25",
                                    dir.file("in.wav"), dir.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Audio output = readAudio(dir.file("out.wav"));
    EXPECT_EQ(output.channels, 2);
    EXPECT_EQ(output.frames(), input.frames() + 12000);

    // The reference gets the same settings as the plug-in's own state,
    // saved by the tool after its display search.
    const ToolResult save = runTool({"--plugin", kCompressor, "--set", "g_out=-6 dB", "--set", "cr=8", "--list",
                                     "--save-chunk", dir.file("state.bin")});
    ASSERT_EQ(save.exitCode, 0) << save.err;
    EXPECT_NE(save.out.find("-6.00 dB"), std::string::npos) << save.out;
    EXPECT_NE(save.out.find("8.00"), std::string::npos) << save.out;
    Reference how;
    how.plugin = kCompressor;
    how.tailSeconds = 0.25;
    how.chunk = readBytes(dir.file("state.bin"));
    ASSERT_FALSE(how.chunk.empty());
    std::string why;
    EXPECT_TRUE(sameAudio(output, renderReference(input, how), why)) << why;
}

} // namespace
} // namespace rendertest
