// The progress bar: on a terminal for a long file, never in a pipe or file.
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace rendertest {
namespace {

// Runs the tool with its standard error (and output) on a pseudo-terminal,
// as in an interactive shell; answers what the terminal showed.
std::string runOnTerminal(const std::vector<std::string>& args, int& exitCode) {
    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child == 0) {
        std::vector<char*> argv;
        static std::string tool = RENDER_TOOL;
        argv.push_back(tool.data());
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(tool.c_str(), argv.data());
        _exit(127);
    }
    std::string shown;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(terminal, buffer, sizeof buffer)) > 0)
        shown.append(buffer, static_cast<size_t>(n));
    close(terminal);
    int status = 0;
    waitpid(child, &status, 0);
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
} // namespace rendertest
