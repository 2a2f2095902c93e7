// Gravelo.lv2 in a real LV2 host: jalv.gtk3 on JACK's dummy driver under a
// private virtual X server, fed by JACK's metronome and recorded by JACK's
// recorder. The panel opens inside jalv's window, the audio side runs (its
// control outputs reach jalv), and a drag of 20 px up on Output makes what
// jalv plays 10 dB louder.
#include "LilvHost.h"
#include "RenderTestSupport.h"
#include "support/ForeignWindows.h"
#include "support/HostWindow.h"
#include "support/JackServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace gravelo::test::lv2 {
namespace {

using namespace std::chrono_literals;
using display::findWindowByClass;
using display::ForeignWindow;
using display::HostWindow;
using support::Child;
using support::waitFor;

class Lv2InJalv : public ::testing::Test {
  protected:
    void SetUp() override {
        useBuiltBundle();
        jack = std::make_unique<support::DummyJackServer>("gravelo-lv2-" + std::to_string(getpid()),
                                                          48000, 256, folder / "jackd.log");
        ASSERT_TRUE(jack->running()) << "jackd did not start";
    }
    void TearDown() override {
        jack.reset();
        std::filesystem::remove_all(folder);
    }

    const std::filesystem::path folder = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("gravelo-jalv-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    std::unique_ptr<support::DummyJackServer> jack;
};

// The loudest sample of a stretch of the recording, in seconds.
double peak(const render::Audio& audio, double from, double to) {
    double loudest = 0;
    for (auto i = static_cast<int64_t>(from * audio.rate);
         i < to * audio.rate && i < audio.frames(); ++i)
        loudest = std::max(loudest, std::fabs(audio.at(i, 0)));
    return loudest;
}

TEST_F(Lv2InJalv, ThePanelOpensInJalvsWindowAndADragOnOutputMakesItTenDecibelsLouder) {
    // jalv's GTK start-up hangs with the address sanitizer's runtime preloaded;
    // the UI host above covers the panel in a sanitizer build.
    if (GRAVELO_SANITIZER_PRELOAD[0] != '\0') GTEST_SKIP() << "jalv does not start sanitized";
    Child jalv(
        {"jalv.gtk3", "--print-controls", "--jack-name", "gravelo", "-x", gravelo::lv2::kPluginUri},
        folder / "jalv.log");
    // The panel, inside the window jalv titles with the plug-in's name.
    ForeignWindow panel;
    ASSERT_TRUE(waitFor(
        [&] {
            panel = findWindowByClass("Plugin0x");
            return panel.id != 0 && panel.topLevelName == "Gravelo I";
        },
        20s))
        << "panel window " << panel.id << " in '" << panel.topLevelName << "'\n"
        << jalv.text();

    Child metronome(
        {"jack_metro", "-n", "metro", "-b", "600", "-f", "110", "-A", "0.3", "-D", "40"},
        folder / "metro.log");
    ASSERT_TRUE(waitFor(
        [&] {
            return render::runProgram("jack_connect", {"metro:600_bpm", "gravelo:in_left"})
                       .exitCode == 0;
        },
        10s))
        << metronome.text();
    const std::string recording = folder / "played.wav";
    // The recorder ends by itself: stopped, it would leave the file's sizes unwritten.
    Child recorder({"jack_rec", "-f", recording, "-d", "11", "-b", "32", "gravelo:out_left"},
                   folder / "rec.log");
    std::this_thread::sleep_for(4s); // the levelers settle on the clicks

    // Input in screen coordinates: a host window at the origin, one pixel.
    HostWindow input(0, 0, 1, 1);
    const int x = panel.rootX + 520, y = panel.rootY + 90; // the middle of Output
    input.dragPatiently(x, y, -20);
    ASSERT_TRUE(waitFor([&] { return recorder.finished(); }, 20s)) << recorder.text();
    metronome.stop();
    jalv.stop();

    EXPECT_NE(jalv.text().find("band1 = "), std::string::npos) << jalv.text();
    const render::Audio played = render::readAudio(recording);
    // Before the press, and the last stretch, seconds after the release
    // however late a busy machine painted the last position.
    const double end = static_cast<double>(played.frames()) / played.rate;
    const double before = peak(played, 2.5, 3.5), after = peak(played, end - 1.5, end - 0.5);
    ASSERT_GT(before, 0.01) << "nothing played";
    // The levelers drift by a few tenths of a decibel on the clicks; the
    // drag's steps of 2.5 dB stand well apart.
    EXPECT_NEAR(20 * std::log10(after / before), 10.0, 1.0) << before << " " << after;
}

} // namespace
} // namespace gravelo::test::lv2
