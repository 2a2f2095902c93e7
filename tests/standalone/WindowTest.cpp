// gravelo-amp's window under a private virtual X server, driven with real
// input (XTEST) while the test client plays a signal through it in real
// time on a dummy JACK server: the window opens titled "Gravelo I", a drag
// and the wheel on Output make the sound louder, the next-preset button
// moves the knobs and changes the sound, Save writes a preset that
// gravelo-render reads back to the same sound, and the input meter moves
// while audio plays.
#include "AmpRun.h"
#include "standalone/StripLayout.h"
#include "support/ForeignWindows.h"
#include "support/HostWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace gravelo::test::standalone {
namespace {

using namespace std::chrono_literals;
namespace layout = gravelo::standalone::strip_layout;

constexpr int kPanelHeight = panel_layout::kHeight;
constexpr uint32_t kMeterGreen = 0x78be5a;

// The output's level over a second of playing, in dB.
double levelDb(JackTestClient& client) {
    client.takeOutputPeak();
    std::this_thread::sleep_for(1s);
    return 20 * std::log10(std::max(1e-9f, client.takeOutputPeak()));
}

size_t meterPixelsLit(const display::HostWindow& screen, void* window) {
    const int width = layout::kWidth, height = kPanelHeight + layout::kHeight;
    const std::vector<uint32_t> pixels = screen.capture(window, width, height);
    size_t lit = 0;
    for (auto y = static_cast<int>(layout::kMeter.top); y < layout::kMeter.bottom; ++y)
        for (auto x = static_cast<int>(layout::kMeter.left); x < layout::kMeter.right; ++x)
            lit += pixels[static_cast<size_t>((kPanelHeight + y) * width + x)] == kMeterGreen;
    return lit;
}

// The amp's window once it is mapped; id 0 when none came within 20 s.
display::ForeignWindow ampWindow() {
    display::ForeignWindow window;
    support::waitFor(
        [&] {
            window = display::findWindowByClass("Gravelo");
            return window.id != 0;
        },
        20s);
    return window;
}

void click(display::HostWindow& input, const VSTGUI::ViewRect& box) {
    const int x = static_cast<int>((box.left + box.right) / 2);
    const int y = kPanelHeight + static_cast<int>((box.top + box.bottom) / 2);
    input.moveTo(x, y);
    std::this_thread::sleep_for(100ms);
    input.button(1, true);
    std::this_thread::sleep_for(100ms);
    input.button(1, false);
    std::this_thread::sleep_for(500ms);
}

TEST(AmpWindow, OpensAndItsPanelButtonsAndMeterDoWhatTheySay) {
    AmpRun run(256);
    ASSERT_TRUE(run.serverRunning());
    std::string why;
    ASSERT_TRUE(run.startAmp({}, why, {.window = true})) << why;
    const display::ForeignWindow window = ampWindow();
    ASSERT_NE(window.id, 0u) << run.ampOutput();
    EXPECT_EQ(window.topLevelName, "Gravelo I");
    ASSERT_EQ(window.rootX, 0);
    ASSERT_EQ(window.rootY, 0);
    void* handle = reinterpret_cast<void*>(window.id);
    display::HostWindow input(0, 0, 1, 1);
    std::this_thread::sleep_for(1s);
    EXPECT_EQ(meterPixelsLit(input, handle), 0u);

    const render::Audio signal = render::testSignal(kRate, 1, 1.5);
    run.client().loop(std::vector<float>(signal.samples.begin(), signal.samples.end()));
    std::this_thread::sleep_for(2s); // the levelers settle
    EXPECT_GT(meterPixelsLit(input, handle), 10u);
    const double before = levelDb(run.client());

    // 20 px up on Output: 10 dB at half a decibel per pixel.
    const int x = 520, y = 90;
    input.dragPatiently(x, y, -20);
    std::this_thread::sleep_for(1s);
    const double louder = levelDb(run.client());
    EXPECT_NEAR(louder - before, 10.0, 1.5) << before << " " << louder;

    // Five wheel notches up on Output: a step of 0.5 dB each.
    const std::vector<uint32_t> dragged = input.capture(handle, layout::kWidth, kPanelHeight);
    input.moveTo(x, y);
    for (int notch = 0; notch < 5; ++notch) {
        std::this_thread::sleep_for(50ms);
        input.wheel(1);
    }
    std::this_thread::sleep_for(1s);
    const double turned = levelDb(run.client());
    EXPECT_NEAR(turned - louder, 2.5, 1.0) << louder << " " << turned;

    const std::vector<uint32_t> knobs = input.capture(handle, layout::kWidth, kPanelHeight);
    EXPECT_NE(knobs, dragged);
    click(input, layout::kNext); // the first preset: clean
    std::this_thread::sleep_for(1s);
    EXPECT_NE(input.capture(handle, layout::kWidth, kPanelHeight), knobs);
    const double clean = levelDb(run.client());
    EXPECT_GT(std::fabs(clean - turned), 1.0) << turned << " " << clean;

    click(input, layout::kSave);
    const std::filesystem::path presets = run.configFolder() / "presets";
    std::filesystem::path saved;
    ASSERT_TRUE(support::waitFor(
        [&] {
            std::error_code ignored;
            for (const auto& item : std::filesystem::directory_iterator(presets, ignored))
                saved = item.path();
            return !saved.empty();
        },
        5s))
        << run.ampOutput();
    EXPECT_NE(run.ampOutput().find(saved.stem().string()), std::string::npos) << run.ampOutput();
    run.client().stopLoop();
    const std::vector<float> input2(signal.samples.begin(), signal.samples.end());
    const std::vector<float> fromSaved = render(run.folder(), input2, {"--load-preset", saved});
    ASSERT_FALSE(fromSaved.empty());
    EXPECT_EQ(fromSaved,
              render(run.folder(), input2, {"--load-preset", GRAVELO_PRESETS_DIR "/clean.fxp"}));
    EXPECT_EQ(run.stopAmp(), 0) << run.ampOutput();
}

// At the user's scale 2 (GRAVELO_UI_SCALE, no Xft.dpi on this server) the
// window is twice as large, strip included, and 40 px up on Output is the
// 20 panel pixels that give +10 dB.
TEST(AmpWindow, AtTheUsersScaleTwoTheWindowIsTwiceAsLargeAndTheDragFollows) {
    AmpRun run(256);
    ASSERT_TRUE(run.serverRunning());
    std::string why;
    setenv("GRAVELO_UI_SCALE", "2", 1);
    const bool started = run.startAmp({}, why, {.window = true});
    unsetenv("GRAVELO_UI_SCALE");
    ASSERT_TRUE(started) << why;
    const display::ForeignWindow window = ampWindow();
    ASSERT_NE(window.id, 0u) << run.ampOutput();
    void* handle = reinterpret_cast<void*>(window.id);
    display::HostWindow input(0, 0, 1, 1);
    std::this_thread::sleep_for(1s);
    int width = 0, height = 0;
    ASSERT_TRUE(input.windowSize(handle, width, height));
    EXPECT_EQ(width, 1200);
    EXPECT_EQ(height, 2 * (kPanelHeight + layout::kHeight));

    const render::Audio signal = render::testSignal(kRate, 1, 1.5);
    run.client().loop(std::vector<float>(signal.samples.begin(), signal.samples.end()));
    std::this_thread::sleep_for(2s);
    const double before = levelDb(run.client());
    input.dragPatiently(1040, 180, -40);
    std::this_thread::sleep_for(1s);
    EXPECT_NEAR(levelDb(run.client()) - before, 10.0, 1.5);
    run.client().stopLoop();
    EXPECT_EQ(run.stopAmp(), 0) << run.ampOutput();
}

} // namespace
} // namespace gravelo::test::standalone
