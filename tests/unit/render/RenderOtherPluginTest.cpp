// The tool is a host for any VST 2.x effect: here one of the LSP plug-ins
// that Debian packages (lsp-plugins-vst, installed by scripts/install-deps.sh).
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace gravelo::test::render {
namespace {

const std::string kCompressor = std::string(LSP_VST_DIR) + "/compressor-stereo.so";
// LSP's loader unloads its core library again, which leaves the core's
// start-up allocations unreachable. That is LSP's own business, not what
// these tests look at; the sanitizer still checks every memory access.
const std::string kNoLeakCheck = "detect_leaks=0";

// What the plug-in allocates while this lives is not counted as leaked in
// the test program, for the reason above.
class ThirdPartyAllocations {
  public:
    ThirdPartyAllocations() {
#if defined(__SANITIZE_ADDRESS__)
        __lsan_disable();
#endif
    }
    ~ThirdPartyAllocations() {
#if defined(__SANITIZE_ADDRESS__)
        __lsan_enable();
#endif
    }
};

class OtherPlugin : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(kCompressor))
            GTEST_SKIP() << kCompressor << " is not installed";
    }
};

TEST_F(OtherPlugin, ListsItsParameters) {
    const ToolResult run = runTool({"--plugin", kCompressor, "--list"}, kNoLeakCheck);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_GT(lineCount(run.out), 10u);
    EXPECT_NE(run.out.find("g_out"), std::string::npos) << run.out;
}

TEST_F(OtherPlugin, RenderEqualsTestHost) {
    TempDir dir;
    const Audio input = testSignal(48000, 2, 1.5);
    writeAudio(dir.file("in.wav"), input);
    const ToolResult run =
        runTool({"--plugin", kCompressor, "--set", "g_out=-6 dB", "--set", "cr=8", "--tail", "0.25",
                 dir.file("in.wav"), dir.file("out.wav")},
                kNoLeakCheck);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Audio output = readAudio(dir.file("out.wav"));
    EXPECT_EQ(output.channels, 2);
    EXPECT_EQ(output.frames(), input.frames() + 12000);

    // The reference gets the same settings as the plug-in's own state,
    // saved by the tool after its display search.
    const ToolResult save = runTool({"--plugin", kCompressor, "--set", "g_out=-6 dB", "--set",
                                     "cr=8", "--list", "--save-chunk", dir.file("state.bin")},
                                    kNoLeakCheck);
    ASSERT_EQ(save.exitCode, 0) << save.err;
    EXPECT_NE(save.out.find("-6.00 dB"), std::string::npos) << save.out;
    EXPECT_NE(save.out.find("8.00"), std::string::npos) << save.out;
    Reference how;
    how.plugin = kCompressor;
    how.tailSeconds = 0.25;
    how.chunk = readBytes(dir.file("state.bin"));
    ASSERT_FALSE(how.chunk.empty());
    std::vector<std::vector<double>> reference;
    {
        const ThirdPartyAllocations pause;
        reference = renderReference(input, how);
    }
    std::string why;
    EXPECT_TRUE(sameAudio(output, reference, why)) << why;
}

} // namespace
} // namespace gravelo::test::render
