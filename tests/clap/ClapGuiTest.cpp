// Gravelo.clap's embedded editor under a private virtual X server: the gui
// calls in the orders hosts use, timers and descriptors balanced, the host's
// scale. (A drag reaching the host as gesture and value events, a quick
// release and a host change moving the knob: the panel route suite.)
#include "ClapTestHost.h"
#include "support/HostWindow.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

namespace gravelo::test::clap {
namespace {

using display::HostWindow;

const ClapLibrary& library() {
    static ClapLibrary loaded(GRAVELO_CLAP_PATH);
    return loaded;
}

clap_window x11Window(const HostWindow& host) {
    clap_window window{};
    window.api = CLAP_WINDOW_API_X11;
    window.x11 = reinterpret_cast<uintptr_t>(host.handle());
    return window;
}

// The host's main loop for ms milliseconds: its timers and descriptors fire.
void runHostLoop(const Instance& amp, const TestHost& host, int ms) {
    const auto* timer = amp.extension<clap_plugin_timer_support>(CLAP_EXT_TIMER_SUPPORT);
    const auto* fd = amp.extension<clap_plugin_posix_fd_support>(CLAP_EXT_POSIX_FD_SUPPORT);
    for (int t = 0; t < ms; t += 5) {
        for (clap_id id : std::set<clap_id>(host.timers))
            timer->on_timer(amp.plugin(), id);
        for (int d : std::set<int>(host.descriptors))
            fd->on_fd(amp.plugin(), d, CLAP_POSIX_FD_READ);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

TEST(ClapGui, EmbeddedX11EditorAnsweringEveryCallAHostMakes) {
    TestHost host;
    Instance amp(library(), host);
    const clap_plugin_gui* gui = amp.gui();
    const clap_plugin* p = amp.plugin();
    ASSERT_NE(gui, nullptr);
    EXPECT_TRUE(gui->is_api_supported(p, CLAP_WINDOW_API_X11, false));
    EXPECT_FALSE(gui->is_api_supported(p, CLAP_WINDOW_API_X11, true));
    EXPECT_FALSE(gui->is_api_supported(p, CLAP_WINDOW_API_WIN32, false));
    EXPECT_FALSE(gui->is_api_supported(p, nullptr, false));
    const char* api = nullptr;
    bool floating = true;
    ASSERT_TRUE(gui->get_preferred_api(p, &api, &floating));
    EXPECT_STREQ(api, "x11");
    EXPECT_FALSE(floating);

    HostWindow parent(0, 0, 600, 284);
    const clap_window window = x11Window(parent);
    EXPECT_FALSE(gui->set_parent(p, &window)); // before create
    EXPECT_FALSE(gui->show(p));
    uint32_t w = 0, h = 0;
    ASSERT_TRUE(gui->get_size(p, &w, &h));
    EXPECT_EQ(w, 600u);
    EXPECT_EQ(h, 284u);
    EXPECT_FALSE(gui->create(p, CLAP_WINDOW_API_X11, true));
    ASSERT_TRUE(gui->create(p, CLAP_WINDOW_API_X11, false));
    EXPECT_FALSE(gui->create(p, CLAP_WINDOW_API_X11, false)); // one at a time
    // Resizable between 1x and 3x with the panel's aspect; a size is taken
    // only when it is one adjust_size leaves as it is.
    EXPECT_TRUE(gui->can_resize(p));
    clap_gui_resize_hints hints{};
    ASSERT_TRUE(gui->get_resize_hints(p, &hints));
    EXPECT_TRUE(hints.can_resize_horizontally && hints.can_resize_vertically &&
                hints.preserve_aspect_ratio);
    EXPECT_EQ(hints.aspect_ratio_width * 1000 + hints.aspect_ratio_height, 600284u);
    EXPECT_TRUE(gui->set_size(p, 600, 284));
    EXPECT_FALSE(gui->set_size(p, 700, 284));
    const uint32_t proposals[][4] = {
        {1, 1, 600, 284}, {1000, 1000, 1000, 473}, {5000, 900, 1800, 852}, {905, 500, 905, 428}};
    for (const auto& asked : proposals) {
        w = asked[0], h = asked[1];
        ASSERT_TRUE(gui->adjust_size(p, &w, &h));
        EXPECT_EQ(w * 10000 + h, asked[2] * 10000 + asked[3]) << asked[0] << " x " << asked[1];
        uint32_t again = w, againH = h;
        gui->adjust_size(p, &again, &againH);
        EXPECT_TRUE(again == w && againH == h) << "adjusting is idempotent";
    }
    // The host's scale, clamped to 1 .. 3; nonsense is refused.
    const double scales[][2] = {{2.0, 1200}, {1.5, 900}, {7.0, 1800}, {0.5, 600}};
    for (const auto& scale : scales) {
        ASSERT_TRUE(gui->set_scale(p, scale[0]));
        ASSERT_TRUE(gui->get_size(p, &w, &h));
        EXPECT_EQ(w, uint32_t(scale[1])) << scale[0];
        EXPECT_EQ(h, uint32_t(std::lround(scale[1] * 284 / 600))) << scale[0];
    }
    EXPECT_FALSE(gui->set_scale(p, std::nan("")));
    EXPECT_TRUE(host.resizeRequests.empty()) << "no window yet: nothing to resize";
    clap_window wrong = window;
    wrong.api = CLAP_WINDOW_API_WIN32;
    EXPECT_FALSE(gui->set_parent(p, &wrong));
    EXPECT_TRUE(host.timers.empty());

    // Ten rounds: create, set_parent, show, hide, destroy; all unregistered.
    gui->destroy(p);
    for (int round = 0; round < 10; ++round) {
        ASSERT_TRUE(gui->create(p, CLAP_WINDOW_API_X11, false));
        ASSERT_TRUE(gui->set_parent(p, &window));
        EXPECT_FALSE(gui->set_parent(p, &window));
        EXPECT_EQ(parent.childCount(), 1);
        EXPECT_EQ(host.timers.size(), 1u);
        EXPECT_EQ(host.descriptors.size(), 1u);
        EXPECT_TRUE(gui->show(p));
        runHostLoop(amp, host, 20);
        EXPECT_TRUE(gui->hide(p));
        gui->destroy(p);
        gui->destroy(p); // repeated: harmless
        EXPECT_TRUE(host.timers.empty());
        EXPECT_TRUE(host.descriptors.empty());
        EXPECT_EQ(parent.childCount(), 0);
    }
    EXPECT_EQ(host.timerRegistrations, 10);
    EXPECT_EQ(host.fdRegistrations, 10);

    // Created but never given a parent, then the host's window destroyed
    // before the editor: both are survived.
    ASSERT_TRUE(gui->create(p, CLAP_WINDOW_API_X11, false));
    gui->destroy(p);
    ASSERT_TRUE(gui->create(p, CLAP_WINDOW_API_X11, false));
    ASSERT_TRUE(gui->set_parent(p, &window));
    ASSERT_TRUE(gui->show(p));
    parent.destroy();
    runHostLoop(amp, host, 30);
    gui->destroy(p);
    EXPECT_TRUE(host.timers.empty());
    EXPECT_TRUE(host.descriptors.empty());
}

TEST(ClapGui, NoTimerSupportNoEditor) {
    TestHost host;
    host.offerTimers = false;
    Instance amp(library(), host);
    EXPECT_FALSE(amp.gui()->create(amp.plugin(), CLAP_WINDOW_API_X11, false));
}

// The panel at scale 2 and then 1.5, set by the host: its window, a drag
// of 20 panel pixels in physical ones giving +10 dB, a host change moving
// the knob, a new scale while shown asking the host to resize, the host
// resizing it to about 1.5x with the aspect kept, ten rounds leaving
// nothing behind.
TEST(ClapGui, TheHostsScaleSizesTheWindowAndTheDragFollowsIt) {
    TestHost host;
    Instance amp(library(), host);
    const clap_plugin* p = amp.plugin();
    const clap_plugin_gui* gui = amp.gui();
    HostWindow parent(0, 0, 1200, 568);
    const clap_window window = x11Window(parent);
    const auto loop = [&](int ms) { runHostLoop(amp, host, ms); };
    ASSERT_TRUE(gui->create(p, CLAP_WINDOW_API_X11, false));
    ASSERT_TRUE(gui->set_scale(p, 2.0));
    ASSERT_TRUE(gui->set_parent(p, &window));
    ASSERT_TRUE(gui->show(p));
    int w = 0, h = 0;
    ASSERT_TRUE(parent.childSize(w, h));
    EXPECT_EQ(w * 1000 + h, 1200568);
    loop(100);
    const std::vector<uint32_t> atZero = parent.captureBox(940, 100, 200, 200);
    parent.dragInLoop(1040, 180, -40, loop);
    EXPECT_EQ(amp.value(1), 10.0);
    const std::vector<uint32_t> atTen = parent.captureBox(940, 100, 200, 200);
    EXPECT_NE(atTen, atZero);
    amp.setValue(1, 0.0);
    loop(100);
    EXPECT_EQ(parent.captureBox(940, 100, 200, 200), atZero) << "the host's change moved it";

    ASSERT_TRUE(gui->set_scale(p, 1.5));
    ASSERT_EQ(host.resizeRequests.size(), 1u);
    EXPECT_EQ(host.resizeRequests[0].first * 1000 + host.resizeRequests[0].second, 900426u);
    ASSERT_TRUE(parent.childSize(w, h));
    EXPECT_EQ(w * 1000 + h, 900426);
    loop(100);
    parent.dragInLoop(780, 135, -30, loop);
    EXPECT_EQ(amp.value(1), 10.0);

    // The user drags the host's window corner: adjust, then set.
    uint32_t cw = 905, ch = 500;
    ASSERT_TRUE(gui->adjust_size(p, &cw, &ch));
    ASSERT_TRUE(gui->set_size(p, cw, ch));
    ASSERT_TRUE(parent.childSize(w, h));
    EXPECT_EQ(w * 1000 + h, 905428);
    EXPECT_NEAR(double(w) / h, 600.0 / 284.0, 0.005);
    EXPECT_EQ(host.resizeRequests.size(), 1u) << "a size the host set is not asked back";
    gui->destroy(p);

    for (int round = 0; round < 10; ++round) {
        ASSERT_TRUE(gui->create(p, CLAP_WINDOW_API_X11, false));
        ASSERT_TRUE(gui->set_scale(p, 2.0));
        ASSERT_TRUE(gui->set_parent(p, &window));
        ASSERT_TRUE(gui->show(p));
        loop(20);
        gui->destroy(p);
        EXPECT_TRUE(host.timers.empty());
        EXPECT_TRUE(host.descriptors.empty());
        EXPECT_EQ(parent.childCount(), 0);
    }
}

} // namespace
} // namespace gravelo::test::clap
