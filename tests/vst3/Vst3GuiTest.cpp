// Gravelo.vst3's editor view under a private virtual X server: embedded in a
// host window at the panel's size, run by the host's run loop (timer and X
// descriptor registered on attach, unregistered on removed), a real drag
// at the host's content scale. (A drag reaching the host as begin / perform
// / end edits and a host change moving the knob: the panel route suite.)
#include "Vst3TestHost.h"
#include "support/HostWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <thread>

namespace gravelo::test::vst3 {
namespace {

using display::HostWindow;
constexpr ParamID kOutput = 1;

// The host's main loop for ms milliseconds: its timers and descriptors fire.
void runHostLoop(RunLoop& loop, int ms) {
    for (int t = 0; t < ms; t += 5) {
        loop.fire();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

size_t openDescriptors() {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                             std::filesystem::directory_iterator()));
}

// A view through the controller, released at the end.
struct View {
    explicit View(IEditController* controller) : view(controller->createView("editor")) {}
    ~View() {
        if (view != nullptr) view->release();
    }
    View(const View&) = delete;
    View& operator=(const View&) = delete;
    IPlugView* operator->() const { return view; }
    IPlugView* view;
};

TEST(Vst3Gui, EmbedsAtThePanelSizeOnTheHostsRunLoopAndLeavesNothingBehind) {
    Plugin amp;
    {
        View probe(amp.controller); // a host asking only whether an editor exists
        ASSERT_NE(probe.view, nullptr);
        EXPECT_EQ(amp.controller->createView("editor"), nullptr); // one at a time
        EXPECT_EQ(probe->isPlatformTypeSupported("X11EmbedWindowID"), kResultTrue);
        EXPECT_EQ(probe->isPlatformTypeSupported("HWND"), kResultFalse);
    }
    EXPECT_EQ(amp.controller->createView("other"), nullptr);
    View view(amp.controller);
    ASSERT_NE(view.view, nullptr);
    ViewRect size{};
    ASSERT_EQ(view->getSize(&size), kResultOk);
    EXPECT_EQ(size.right - size.left, 600);
    EXPECT_EQ(size.bottom - size.top, 284);
    ViewRect wrong{0, 0, 700, 300};
    EXPECT_EQ(view->onSize(&wrong), kResultFalse);
    EXPECT_EQ(view->canResize(), kResultFalse);
    ASSERT_EQ(view->checkSizeConstraint(&wrong), kResultOk);
    EXPECT_EQ(wrong.right * 1000 + wrong.bottom, 600284);
    EXPECT_EQ(view->onKeyDown(u'a', 0, 0), kResultFalse);

    PlugFrame frame;
    ASSERT_EQ(view->setFrame(&frame), kResultOk);
    HostWindow parent(0, 0, 600, 284);
    EXPECT_EQ(view->attached(parent.handle(), "HWND"), kResultFalse);
    RunLoop& loop = frame.runLoop;
    const size_t descriptors = openDescriptors();
    for (int round = 0; round < 10; ++round) {
        ASSERT_EQ(view->attached(parent.handle(), "X11EmbedWindowID"), kResultOk);
        EXPECT_EQ(view->attached(parent.handle(), "X11EmbedWindowID"), kResultFalse);
        EXPECT_EQ(parent.childCount(), 1);
        ASSERT_EQ(loop.timers.size(), 1u);
        EXPECT_GT(loop.timers.begin()->second, 0u);
        EXPECT_EQ(loop.handlers.size(), 1u);
        runHostLoop(loop, 20);
        if (round == 0) { // the panel is drawn: not one flat colour
            const std::vector<uint32_t> shown = parent.capture(parent.handle(), 600, 284);
            EXPECT_NE(std::count(shown.begin(), shown.end(), shown[0]),
                      static_cast<long>(shown.size()));
        }
        ASSERT_EQ(view->removed(), kResultOk);
        EXPECT_TRUE(loop.timers.empty());
        EXPECT_TRUE(loop.handlers.empty());
        EXPECT_EQ(parent.childCount(), 0);
    }
    EXPECT_EQ(loop.timerRegistrations, 10);
    EXPECT_EQ(loop.handlerRegistrations, 10);
    EXPECT_EQ(loop.references, 1);             // every run-loop reference given back
    EXPECT_EQ(openDescriptors(), descriptors); // every X connection closed

    // The host's window destroyed before removed: survived.
    ASSERT_EQ(view->attached(parent.handle(), "X11EmbedWindowID"), kResultOk);
    parent.destroy();
    runHostLoop(loop, 30);
    EXPECT_EQ(view->removed(), kResultOk);
    EXPECT_TRUE(loop.timers.empty());
    EXPECT_EQ(view->setFrame(nullptr), kResultOk);
    EXPECT_EQ(frame.references, 1);
}

TEST(Vst3Gui, NoRunLoopNoEditor) {
    Plugin amp;
    View view(amp.controller);
    PlugFrame frame;
    frame.lendRunLoop = false;
    view->setFrame(&frame);
    HostWindow parent(0, 0, 600, 284);
    EXPECT_EQ(view->attached(parent.handle(), "X11EmbedWindowID"), kResultFalse);
    EXPECT_EQ(parent.childCount(), 0);
    view->setFrame(nullptr);
}

// The host's content scale, 2 and then 1.5: the view's size, a drag of 20
// panel pixels in physical ones giving +10 dB, a host change moving the
// knob, the frame asked to resize when the scale changes while attached,
// and ten rounds at scale 2 leaving nothing behind.
TEST(Vst3Gui, TheHostsContentScaleSizesTheViewAndTheDragFollowsIt) {
    ComponentHandler handler;
    Plugin amp;
    ASSERT_EQ(amp.controller->setComponentHandler(&handler), kResultOk);
    View view(amp.controller);
    IPlugViewContentScaleSupport* scaling = nullptr;
    ASSERT_EQ(view->queryInterface(iid::IPlugViewContentScaleSupport.bytes,
                                   reinterpret_cast<void**>(&scaling)),
              kResultOk);
    EXPECT_EQ(scaling->setContentScaleFactor(0.0f), kResultFalse);
    ASSERT_EQ(scaling->setContentScaleFactor(2.0f), kResultTrue);
    ViewRect size{};
    ASSERT_EQ(view->getSize(&size), kResultOk);
    EXPECT_EQ(size.right * 1000 + size.bottom, 1200568);
    PlugFrame frame;
    view->setFrame(&frame);
    HostWindow parent(0, 0, 1200, 568);
    const size_t descriptors = openDescriptors();
    ASSERT_EQ(view->attached(parent.handle(), "X11EmbedWindowID"), kResultOk);
    int w = 0, h = 0;
    ASSERT_TRUE(parent.childSize(w, h));
    EXPECT_EQ(w * 1000 + h, 1200568);
    RunLoop& loop = frame.runLoop;
    const auto hostLoop = [&](int ms) { runHostLoop(loop, ms); };
    hostLoop(100);
    const std::vector<uint32_t> atZero = parent.captureBox(940, 100, 200, 200);
    parent.dragInLoop(1040, 180, -40, hostLoop);
    EXPECT_EQ(amp.value(kOutput), 10.0);
    ASSERT_FALSE(handler.edits.empty());
    EXPECT_EQ(handler.edits.back().kind, 'e');
    amp.set(kOutput, 0.0);
    hostLoop(100);
    EXPECT_EQ(parent.captureBox(940, 100, 200, 200), atZero) << "the host's change moved it";

    ASSERT_EQ(scaling->setContentScaleFactor(1.5f), kResultTrue);
    ASSERT_EQ(frame.resizes.size(), 1u);
    EXPECT_EQ(frame.resizes[0].right * 1000 + frame.resizes[0].bottom, 900426);
    ASSERT_TRUE(parent.childSize(w, h));
    EXPECT_EQ(w * 1000 + h, 900426);
    hostLoop(100);
    parent.dragInLoop(780, 135, -30, hostLoop);
    EXPECT_EQ(amp.value(kOutput), 10.0);
    ASSERT_EQ(view->removed(), kResultOk);

    scaling->setContentScaleFactor(2.0f);
    for (int round = 0; round < 10; ++round) {
        ASSERT_EQ(view->attached(parent.handle(), "X11EmbedWindowID"), kResultOk);
        hostLoop(20);
        ASSERT_EQ(view->removed(), kResultOk);
        EXPECT_TRUE(loop.timers.empty());
        EXPECT_EQ(parent.childCount(), 0);
    }
    EXPECT_EQ(openDescriptors(), descriptors);
    EXPECT_EQ(frame.resizes.size(), 1u) << "a scale set while closed resizes nothing";
    scaling->release();
    view->setFrame(nullptr);
}

} // namespace
} // namespace gravelo::test::vst3
