// Ctrl-C during a render: the tool stops, says so, and leaves no file.
#include "RenderTestSupport.h"
#include "support/ChildProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

namespace gravelo::test::render {
namespace {

TEST(RenderInterrupt, InterruptedRenderLeavesNoFile) {
    TempDir dir;
    writeAudio(dir.file("in.wav"), testSignal(48000, 1, 60.0));
    const auto before = dir.entries();
    support::ChildSetup quiet;
    quiet.errors = "/dev/null";
    support::Child render({RENDER_TOOL, "--block", "32", dir.file("in.wav"), dir.file("out.wav")},
                          quiet);
    ASSERT_TRUE(render.started());
    // Wait until the render has begun: its temporary file appears.
    for (int i = 0; i < 2000 && dir.entries().size() == before.size(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    render.signal(SIGINT);
    const int status = render.wait();
    ASSERT_LT(status, 128) << "ended by a signal";
    if (status == 0) {
        // The render won the race: then the file must be whole.
        EXPECT_EQ(readAudio(dir.file("out.wav")).frames(), 60 * 48000);
        GTEST_SKIP() << "the render finished before the interruption arrived";
    }
    EXPECT_EQ(status, 1);
    EXPECT_EQ(dir.entries(), before);
}

} // namespace
} // namespace gravelo::test::render
