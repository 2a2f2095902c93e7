// The editor in a real X window under a private virtual X server: what the
// window shows, real mouse input through XTEST, several instances, opening
// and closing, and a host that destroys its window first.
#include "effect/TVobrixEffect.h"
#include "host/CVeST.h"
#include "host/CVeSTEditor.h"
#include "runtime/TVobrix.h"
#include "runtime/VeSTDrawingServices.h"
#include "support/HostWindow.h"
#include "toolkit/CFrame.h"
#include "toolkit/COffscreenContext.h"
#include "vsthost/InProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

using namespace VSTGUI;
using gravelo::test::display::HostWindow;

namespace {

// Draws the whole panel in one colour, another while a button is held, and
// records the button states of the presses it sees.
class PaintingRuntime : public TVobrix {
  public:
    explicit PaintingRuntime(Colour paint) : colour(paint) {
        editorWidth = 600;
        editorHeight = 284;
    }
    void doGraphics() override {
        const Colour fill = mouseButtons.load() != 0 ? Colour{255, 255, 0, 255} : colour;
        VeSTSetFillColor(shell, fill.red, fill.green, fill.blue, fill.alpha);
        VeSTDrawRect(shell, 0, 0, 600, 284, kDrawFilled);
        VeSTSetFillColor(shell, 0, 0, 255, 255);
        VeSTDrawRect(shell, 100, 50, 160, 90, kDrawFilled);
        ++frames;
    }
    Colour colour;
    int frames = 0;
};

struct Plugin {
    explicit Plugin(TVobrix* runtime) {
        gravelo::vsthost::createWithRuntime(host, runtime);
        shell = &gravelo::vsthost::shellOf(host.effect());
        host.start();
    }
    VstIntPtr dispatch(VstInt32 opcode, VstIntPtr value = 0, void* ptr = nullptr) {
        return host.dispatch(opcode, 0, value, ptr);
    }
    CVeSTEditor* editor() const { return static_cast<CVeSTEditor*>(shell->getEditor()); }
    void* window() const { return editor()->getFrame()->getNativeWindow(); }
    std::string display(VstInt32 index) { return host.parameterDisplay(index); }
    gravelo::vsthost::Host host;
    CVeST* shell;
};

// Idles the editors as a host's timer does, for about ms milliseconds.
void idleFor(std::initializer_list<Plugin*> plugins, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        for (Plugin* plugin : plugins)
            plugin->dispatch(effEditIdle);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// The picture the frame paints: its black background, then the effect
// drawn through a context lent to the shell as the view lends it.
std::vector<uint32_t> offscreenPicture(Plugin& plugin) {
    COffscreenContext context(nullptr, 600, 284);
    context.setFillColor(kBlackColour);
    context.drawRect(ViewRect(0, 0, 600, 284), kDrawFilled);
    plugin.shell->onDraw(&context, 600, 284);
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 284; ++y)
        for (int x = 0; x < 600; ++x) {
            const Colour c = context.getBitmap()->getPixel(x, y);
            pixels.push_back(uint32_t(c.red) << 16 | uint32_t(c.green) << 8 | c.blue);
        }
    return pixels;
}

size_t countDifferences(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    if (a.size() != b.size()) return std::max(a.size(), b.size());
    size_t differences = 0;
    for (size_t i = 0; i < a.size(); ++i)
        differences += a[i] != b[i];
    return differences;
}

bool panelDrawsSomething() {
    Plugin plugin(new TVobrixEffect());
    const std::vector<uint32_t> picture = offscreenPicture(plugin);
    for (uint32_t p : picture)
        if (p != 0) return true;
    return false;
}

class EditorWindow : public ::testing::Test {
  protected:
    HostWindow host{0, 0, 600, 284};
};

TEST_F(EditorWindow, OpensAChildOfTheHostWindowShowingWhatTheEffectDraws) {
    Plugin plugin(new PaintingRuntime(Colour{0, 200, 0, 255}));
    ASSERT_EQ(plugin.dispatch(effEditOpen, 0, host.handle()), 1);
    EXPECT_EQ(host.childCount(), 1);
    idleFor({&plugin}, 150);
    EXPECT_EQ(host.pixel(plugin.window(), 10, 10), (Colour{0, 200, 0, 255}));
    EXPECT_EQ(host.pixel(plugin.window(), 120, 60), (Colour{0, 0, 255, 255}));
    EXPECT_EQ(countDifferences(host.capture(plugin.window(), 600, 284), offscreenPicture(plugin)),
              0u);
    plugin.dispatch(effEditClose);
    EXPECT_EQ(host.childCount(), 0);
}

TEST_F(EditorWindow, ThePanelOnScreenMatchesTheOffscreenPanelOfTheSameState) {
    Plugin plugin(new TVobrixEffect());
    ASSERT_EQ(plugin.dispatch(effEditOpen, 0, host.handle()), 1);
    idleFor({&plugin}, 150);
    const std::vector<uint32_t> onScreen = host.capture(plugin.window(), 600, 284);
    plugin.dispatch(effEditClose);
    EXPECT_EQ(countDifferences(onScreen, offscreenPicture(plugin)), 0u);
}

// The panel is redrawn thirty times a second; pixels that did not change
// are not sent again, but those the server reports lost are.
TEST_F(EditorWindow, UnchangedPixelsAreNotSentAgainButLostOnesAre) {
    auto* runtime = new PaintingRuntime(Colour{0, 200, 0, 255});
    runtime->gfxRate = 30.0; // the timed repaint, as the panel asks for
    Plugin plugin(runtime);
    ASSERT_EQ(plugin.dispatch(effEditOpen, 0, host.handle()), 1);
    idleFor({&plugin}, 150);
    host.scribble(plugin.window(), 20, 20, 50, 50);
    const int framesBefore = runtime->frames;
    idleFor({&plugin}, 150);
    EXPECT_GT(runtime->frames, framesBefore) << "the panel redrew";
    EXPECT_EQ(host.pixel(plugin.window(), 30, 30), (Colour{255, 0, 0, 255}))
        << "the same picture was not sent";
    host.expose(plugin.window(), 20, 20, 50, 50);
    idleFor({&plugin}, 150);
    EXPECT_EQ(countDifferences(host.capture(plugin.window(), 600, 284), offscreenPicture(plugin)),
              0u);
    plugin.dispatch(effEditClose);
}

// Centre of the Output knob (slider 2, 80 x 80 at (480, 50)).
constexpr int kOutputX = 520, kOutputY = 90;

// The pointer comes onto the knob in one jump, as tablets, remote desktops
// and automation tools move it, and rests there for several frames.
void jumpOntoOutput(HostWindow& host, Plugin& plugin) {
    host.moveTo(kOutputX, kOutputY);
    idleFor({&plugin}, 120);
}

void click(HostWindow& host, Plugin& plugin) {
    host.button(1, true);
    idleFor({&plugin}, 120);
    host.button(1, false);
    idleFor({&plugin}, 80);
}

void dragOutputUp(HostWindow& host, Plugin& plugin, int pixels) {
    host.button(1, true);
    idleFor({&plugin}, 80);
    for (int y = kOutputY - 4; y >= kOutputY - pixels; y -= 4) {
        host.moveTo(kOutputX, y);
        idleFor({&plugin}, 40);
    }
    host.button(1, false);
    idleFor({&plugin}, 80);
}

TEST_F(EditorWindow, AKnobMovesOnlyByTheDragFromWhereTheButtonWentDown) {
    if (!panelDrawsSomething()) GTEST_SKIP() << "the effect draws no panel yet";
    auto* effect = new TVobrixEffect();
    Plugin plugin(effect);
    plugin.host.setParameter(1, 0.25f); // Output at -10 dB
    ASSERT_EQ(plugin.display(1), "-10.00");
    ASSERT_EQ(plugin.dispatch(effEditOpen, 0, host.handle()), 1);
    const char* expected[2][2] = {{"-10.00", "0.00"}, {"0.00", "10.00"}};
    for (int round = 0; round < 2; ++round) {
        // From outside the window first, then right after a click elsewhere
        // on the panel: on the build label.
        host.moveTo(round == 0 ? 700 : 30, round == 0 ? 400 : 262);
        idleFor({&plugin}, 80);
        if (round == 1) click(host, plugin);
        jumpOntoOutput(host, plugin);
        EXPECT_EQ(effect->mouseX.load(), kOutputX) << "round " << round;
        EXPECT_EQ(effect->mouseY.load(), kOutputY) << "round " << round;
        click(host, plugin);
        EXPECT_EQ(plugin.display(1), expected[round][0]) << "a click, round " << round;
        dragOutputUp(host, plugin, 20);
        EXPECT_EQ(plugin.display(1), expected[round][1]) << "a 20 px drag up, round " << round;
    }
    plugin.dispatch(effEditClose);
}

// The button goes up 0 to 5 ms after the last motion, before any frame saw
// it: the drag still ends exactly where the pointer was released.
TEST_F(EditorWindow, AQuickReleaseEndsTheDragWhereThePointerWentUp) {
    if (!panelDrawsSomething()) GTEST_SKIP() << "the effect draws no panel yet";
    Plugin plugin(new TVobrixEffect());
    ASSERT_EQ(plugin.dispatch(effEditOpen, 0, host.handle()), 1);
    for (int round = 0; round < 10; ++round) {
        plugin.host.setParameter(1, 0.5f); // Output at 0 dB
        jumpOntoOutput(host, plugin);
        host.flick(kOutputX, kOutputY, -20, round % 6, [&] { idleFor({&plugin}, 40); });
        idleFor({&plugin}, 80);
        EXPECT_EQ(plugin.display(1), "10.00") << "round " << round;
    }
    plugin.dispatch(effEditClose);
}

TEST_F(EditorWindow, AControlPressResetsTheKnob) {
    if (!panelDrawsSomething()) GTEST_SKIP() << "the effect draws no panel yet";
    Plugin plugin(new TVobrixEffect());
    plugin.host.setParameter(1, 0.75f); // Output at 10 dB
    ASSERT_EQ(plugin.display(1), "10.00");
    ASSERT_EQ(plugin.dispatch(effEditOpen, 0, host.handle()), 1);
    jumpOntoOutput(host, plugin);
    host.controlKey(true);
    host.button(1, true);
    idleFor({&plugin}, 120);
    host.button(1, false);
    host.controlKey(false);
    idleFor({&plugin}, 120);
    EXPECT_EQ(plugin.display(1), "0.00");
    plugin.dispatch(effEditClose);
}

// Entry 8 is replaced to see the button state the frame built.
struct PressLog {
    static inline std::vector<VstInt32> states;
    static void onMouseDown(CVeST*, double, double, VstInt32 buttons) { states.push_back(buttons); }
};

TEST_F(EditorWindow, ASecondQuickPressArrivesAsADoubleClick) {
    Plugin plugin(new PaintingRuntime(kWhiteColour));
    PressLog::states.clear();
    plugin.shell->callbacks.onMouseDown = PressLog::onMouseDown;
    ASSERT_EQ(plugin.dispatch(effEditOpen, 0, host.handle()), 1);
    host.moveTo(300, 150);
    idleFor({&plugin}, 50);
    for (int i = 0; i < 2; ++i) {
        host.button(1, true);
        host.button(1, false);
    }
    idleFor({&plugin}, 80);
    host.button(3, true); // another button right after: no double click
    host.button(3, false);
    idleFor({&plugin}, 80);
    ASSERT_EQ(PressLog::states.size(), 3u);
    EXPECT_EQ(PressLog::states[0], kLButton);
    EXPECT_EQ(PressLog::states[1], kLButton | kDoubleClick);
    EXPECT_EQ(PressLog::states[2], kRButton);
    plugin.dispatch(effEditClose);
}

TEST_F(EditorWindow, ClosingAndReopeningTenTimesLeavesNoWindowBehind) {
    Plugin plugin(new PaintingRuntime(Colour{200, 0, 0, 255}));
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(plugin.dispatch(effEditOpen, 0, host.handle()), 1) << i;
        idleFor({&plugin}, 20);
        EXPECT_EQ(host.pixel(plugin.window(), 300, 10), (Colour{200, 0, 0, 255})) << i;
        plugin.dispatch(effEditClose);
        EXPECT_EQ(host.childCount(), 0) << i;
    }
}

// Xft.dpi 192 opens the editor at 2x: a drag of 20 panel pixels in
// physical ones gives +10 dB and a host change moves the knob. The host's
// vendor call ('PreS', 'AeCs', 1.5) while it is open asks the host for the
// new size; ten rounds leave nothing behind. Without Xft.dpi it is 1x, and
// the host's call alone makes it 2x.
TEST_F(EditorWindow, TheDesktopsOrTheHostsScaleSizesTheWindowAndTheDragFollowsIt) {
    if (!panelDrawsSomething()) GTEST_SKIP() << "the effect draws no panel yet";
    constexpr VstInt32 kPreS = ('P' << 24) | ('r' << 16) | ('e' << 8) | 'S';
    constexpr VstIntPtr kAeCs = ('A' << 24) | ('e' << 16) | ('C' << 8) | 's';
    HostWindow large(0, 0, 1200, 568);
    Plugin plugin(new TVobrixEffect());
    const auto loop = [&](int ms) { idleFor({&plugin}, ms); };
    const auto rectangle = [&] {
        ERect* rect = nullptr;
        plugin.dispatch(effEditGetRect, 0, &rect);
        return rect != nullptr ? (rect->right - rect->left) * 1000 + rect->bottom - rect->top : 0;
    };
    {
        const gravelo::test::display::ScreenResources desktop("Xft.dpi:\t192\n");
        EXPECT_EQ(rectangle(), 1200568);
        ASSERT_EQ(plugin.dispatch(effEditOpen, 0, large.handle()), 1);
        int w = 0, h = 0;
        ASSERT_TRUE(large.childSize(w, h));
        EXPECT_EQ(w * 1000 + h, 1200568);
        plugin.host.setParameter(1, 0.5f); // Output at 0 dB
        loop(100);
        const std::vector<uint32_t> atZero = large.captureBox(940, 100, 200, 200);
        large.dragInLoop(1040, 180, -40, loop);
        EXPECT_EQ(plugin.display(1), "10.00");
        plugin.host.setParameter(1, 0.5f);
        loop(100);
        EXPECT_EQ(large.captureBox(940, 100, 200, 200), atZero) << "the host's change moved it";

        plugin.host.calls.clear();
        EXPECT_EQ(plugin.host.dispatch(effVendorSpecific, kPreS, kAeCs, nullptr, 1.5f), 1);
        ASSERT_EQ(plugin.host.countCalls(audioMasterSizeWindow), 1u);
        for (const gravelo::vsthost::HostCall& call : plugin.host.calls) {
            if (call.opcode == audioMasterSizeWindow) {
                EXPECT_EQ(call.index * 1000 + call.value, 900426);
            }
        }
        EXPECT_EQ(rectangle(), 900426);
        ASSERT_TRUE(large.childSize(w, h));
        EXPECT_EQ(w * 1000 + h, 900426);
        loop(100);
        large.dragInLoop(780, 135, -30, loop);
        EXPECT_EQ(plugin.display(1), "10.00");
        plugin.dispatch(effEditClose);
        EXPECT_EQ(plugin.host.dispatch(effVendorSpecific, kPreS, kAeCs, nullptr, 2.0f), 1);
        for (int i = 0; i < 10; ++i) {
            ASSERT_EQ(plugin.dispatch(effEditOpen, 0, large.handle()), 1) << i;
            loop(20);
            plugin.dispatch(effEditClose);
            EXPECT_EQ(large.childCount(), 0) << i;
        }
        EXPECT_EQ(plugin.host.countCalls(audioMasterSizeWindow), 1u) << "none while closed";
    }
    // Without Xft.dpi: 1x, until the host's call asks for 2x.
    Plugin other(new TVobrixEffect());
    const auto otherRectangle = [&] {
        ERect* rect = nullptr;
        other.dispatch(effEditGetRect, 0, &rect);
        return rect != nullptr ? rect->right * 1000 + rect->bottom : 0;
    };
    EXPECT_EQ(otherRectangle(), 600284);
    EXPECT_EQ(other.host.dispatch(effVendorSpecific, kPreS, kAeCs, nullptr, 2.0f), 1);
    EXPECT_EQ(otherRectangle(), 1200568);
    other.host.setParameter(1, 0.5f);
    ASSERT_EQ(other.dispatch(effEditOpen, 0, large.handle()), 1);
    int w = 0, h = 0;
    ASSERT_TRUE(large.childSize(w, h));
    EXPECT_EQ(w * 1000 + h, 1200568);
    const auto otherLoop = [&](int ms) { idleFor({&other}, ms); };
    otherLoop(100);
    large.dragInLoop(1040, 180, -40, otherLoop);
    EXPECT_EQ(other.display(1), "10.00");
    other.dispatch(effEditClose);
}

TEST_F(EditorWindow, TwoInstancesRedrawAndReactIndependently) {
    HostWindow otherHost(0, 300, 600, 284);
    auto* greenRuntime = new PaintingRuntime(Colour{0, 200, 0, 255});
    auto* redRuntime = new PaintingRuntime(Colour{200, 0, 0, 255});
    Plugin green(greenRuntime), red(redRuntime);
    ASSERT_EQ(green.dispatch(effEditOpen, 0, host.handle()), 1);
    ASSERT_EQ(red.dispatch(effEditOpen, 0, otherHost.handle()), 1);
    idleFor({&green, &red}, 120);
    EXPECT_EQ(host.pixel(green.window(), 10, 10), (Colour{0, 200, 0, 255}));
    EXPECT_EQ(host.pixel(red.window(), 10, 10), (Colour{200, 0, 0, 255}));
    host.moveTo(300, 200); // over the green one only
    host.button(1, true);
    idleFor({&green, &red}, 120);
    EXPECT_EQ(host.pixel(green.window(), 10, 10), (Colour{255, 255, 0, 255})); // held: yellow
    EXPECT_EQ(host.pixel(red.window(), 10, 10), (Colour{200, 0, 0, 255}));
    EXPECT_EQ(redRuntime->mouseButtons.load(), 0.0);
    host.button(1, false);
    idleFor({&green, &red}, 120);
    EXPECT_EQ(host.pixel(green.window(), 10, 10), (Colour{0, 200, 0, 255}));
    green.dispatch(effEditClose);
    red.dispatch(effEditClose);
}

TEST_F(EditorWindow, TheHostDestroyingItsWindowFirstDoesNotEndTheProcess) {
    Plugin plugin(new PaintingRuntime(kWhiteColour));
    ASSERT_EQ(plugin.dispatch(effEditOpen, 0, host.handle()), 1);
    idleFor({&plugin}, 30);
    host.destroy();
    plugin.editor()->repaintView(); // a repaint aimed at the vanished window
    plugin.dispatch(effEditIdle);
    plugin.dispatch(effEditClose);
    // And when the close comes before any idle noticed the loss:
    HostWindow second(0, 0, 600, 284);
    ASSERT_EQ(plugin.dispatch(effEditOpen, 0, second.handle()), 1);
    second.destroy();
    plugin.dispatch(effEditClose);
    SUCCEED() << "still running";
}

TEST_F(EditorWindow, IdleBeforeOpenAndAfterCloseDoesNothing) {
    auto* runtime = new PaintingRuntime(kWhiteColour);
    Plugin plugin(runtime);
    plugin.dispatch(effEditIdle);
    EXPECT_EQ(runtime->frames, 0);
    ASSERT_EQ(plugin.dispatch(effEditOpen, 0, host.handle()), 1);
    idleFor({&plugin}, 60);
    plugin.dispatch(effEditClose);
    const int frames = runtime->frames;
    EXPECT_GT(frames, 0);
    idleFor({&plugin}, 60);
    EXPECT_EQ(runtime->frames, frames);
}

TEST_F(EditorWindow, AnInvalidParentWindowMakesOpenAnswerZero) {
    Plugin plugin(new PaintingRuntime(kWhiteColour));
    EXPECT_EQ(plugin.dispatch(effEditOpen, 0, reinterpret_cast<void*>(uintptr_t(0x7ffffff))), 0);
    EXPECT_EQ(plugin.editor()->getFrame(), nullptr);
}

} // namespace
