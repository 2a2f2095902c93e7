// The progress bar: on a terminal for a long file, never in a pipe or file.
#include "RenderTestSupport.h"
#include "support/ChildProcess.h"

#include <gtest/gtest.h>

namespace gravelo::test::render {
namespace {

// Runs the tool with its standard error (and output) on a pseudo-terminal,
// as in an interactive shell; answers what the terminal showed.
std::string runOnTerminal(const std::vector<std::string>& args, int& exitCode) {
    std::vector<std::string> command{RENDER_TOOL};
    command.insert(command.end(), args.begin(), args.end());
    support::ChildSetup onTerminal;
    onTerminal.onTerminal = true;
    support::Child render(command, onTerminal);
    const std::string shown = render.terminalText();
    exitCode = render.wait();
    return shown;
}

TEST(RenderProgress, ShownOnATerminalForALongFile) {
    TempDir dir;
    writeAudio(dir.file("in.wav"), testSignal(48000, 1, 6.0));
    int exitCode = -1;
    const std::string shown = runOnTerminal({dir.file("in.wav"), dir.file("out.wav")}, exitCode);
    EXPECT_EQ(exitCode, 0) << shown;
    EXPECT_NE(shown.find("100%"), std::string::npos) << shown;
    EXPECT_NE(shown.find("[####"), std::string::npos) << shown;
}

TEST(RenderProgress, QuietOnATerminalWhenAsked) {
    TempDir dir;
    writeAudio(dir.file("in.wav"), testSignal(48000, 1, 6.0));
    int exitCode = -1;
    const std::string shown =
        runOnTerminal({"-q", dir.file("in.wav"), dir.file("out.wav")}, exitCode);
    EXPECT_EQ(exitCode, 0) << shown;
    EXPECT_EQ(shown, "");
}

TEST(RenderProgress, NotShownForAShortFile) {
    TempDir dir;
    writeAudio(dir.file("in.wav"), testSignal(48000, 1, 2.0));
    int exitCode = -1;
    EXPECT_EQ(runOnTerminal({dir.file("in.wav"), dir.file("out.wav")}, exitCode), "");
    EXPECT_EQ(exitCode, 0);
}

TEST(RenderProgress, NotShownWhenStandardErrorIsAFile) {
    TempDir dir;
    writeAudio(dir.file("in.wav"), testSignal(48000, 1, 6.0));
    const ToolResult run = runTool({dir.file("in.wav"), dir.file("out.wav")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
}

} // namespace
} // namespace gravelo::test::render
