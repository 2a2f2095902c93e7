// gravelo-amp on a dummy JACK server: what it plays equals gravelo-render of
// the same file at any period size, through a period size change, and after
// a Program Change; what it remembers across runs; and the failures it
// reports in one line.
#include "AmpRun.h"
#include "standalone/StateFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>

namespace gravelo::test::standalone {
namespace {

using namespace std::chrono_literals;

const std::vector<std::string> kSettings{"--set",    "Quorvel=18", "--set",
                                         "Dirt=3.5", "--set",      "Output=-9"};
constexpr double kLeadSeconds = 2.0;
constexpr double kTolerance = 1e-5;
constexpr long kMaxShift = 2048;

std::vector<uint8_t> fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

gravelo::standalone::Controls savedControls(const std::filesystem::path& file) {
    instance::AmpInstance amp;
    return gravelo::standalone::readStateFile(file, amp).controls;
}

// Plays the lead of silence and the signal through the amp, freewheeling,
// and compares the recording (both outputs) with the render from the end
// of the lead on.
void expectRenderMatch(AmpRun& run, const std::vector<std::string>& renderArgs, size_t changeAt = 0,
                       uint32_t newPeriod = 0) {
    const std::vector<float> input = leadAndSignal(kLeadSeconds, 3.0);
    ASSERT_TRUE(run.client().play(input, true, changeAt, newPeriod)) << run.ampOutput();
    const std::vector<float> rendered = render(run.folder(), input, renderArgs);
    ASSERT_EQ(rendered.size(), input.size());
    const auto lead = static_cast<size_t>(kLeadSeconds * kRate);
    const Alignment left = align(run.client().left(), rendered, lead, kMaxShift);
    const Alignment right = align(run.client().right(), rendered, lead, kMaxShift);
    std::cout << "periods " << ::testing::PrintToString(run.client().periodSizes()) << ": offset "
              << left.offset << ", largest difference " << left.difference << " (right "
              << right.offset << ", " << right.difference << ")\n";
    EXPECT_LT(left.difference, kTolerance) << "offset " << left.offset;
    EXPECT_LT(right.difference, kTolerance) << "offset " << right.offset;
    EXPECT_EQ(left.offset, right.offset);
}

class AmpPlaysAsItRenders : public ::testing::TestWithParam<int> {};

TEST_P(AmpPlaysAsItRenders, AtThisPeriodSize) {
    AmpRun run(GetParam());
    ASSERT_TRUE(run.serverRunning());
    std::string why;
    ASSERT_TRUE(run.startAmp(kSettings, why)) << why;
    expectRenderMatch(run, kSettings);
    EXPECT_EQ(run.stopAmp(), 0) << run.ampOutput();
}

INSTANTIATE_TEST_SUITE_P(Periods, AmpPlaysAsItRenders, ::testing::Values(64, 256, 1024));

TEST(AmpOnJack, APeriodSizeChangeInTheMiddleKeepsItSo) {
    AmpRun run(256);
    ASSERT_TRUE(run.serverRunning());
    std::string why;
    ASSERT_TRUE(run.startAmp(kSettings, why)) << why;
    expectRenderMatch(run, kSettings, static_cast<size_t>((kLeadSeconds + 1.0) * kRate), 1024);
    EXPECT_EQ(run.client().periodSizes(), (std::vector<uint32_t>{256, 1024}));
}

// Program Change 2 at the frame the signal starts: from that frame on the
// amp plays what the third preset renders.
TEST(AmpOnJack, ProgramChangeTwoSwitchesToTheThirdPresetWithinOnePeriod) {
    AmpRun run(256);
    ASSERT_TRUE(run.serverRunning());
    std::string why;
    ASSERT_TRUE(run.startAmp({}, why)) << why;
    run.client().scheduleProgram(static_cast<size_t>(kLeadSeconds * kRate), 2);
    expectRenderMatch(run, {"--load-preset", GRAVELO_PRESETS_DIR "/growl.fxp"});
}

TEST(AmpOnJack, ConnectsToTheFirstPhysicalPortsOrToThoseNamed) {
    AmpRun run;
    ASSERT_TRUE(run.serverRunning());
    std::string why;
    ASSERT_TRUE(run.startAmp({}, why, {.connect = true})) << why;
    EXPECT_TRUE(run.connected("Gravelo:in", "system:capture_1"));
    EXPECT_TRUE(run.connected("Gravelo:out_left", "system:playback_1"));
    EXPECT_TRUE(run.connected("Gravelo:out_right", "system:playback_2"));
    EXPECT_EQ(run.stopAmp(), 0) << run.ampOutput();
    ASSERT_TRUE(run.startAmp(
        {"--input", "system:capture_2", "--output", "system:playback_2,system:playback_1"}, why,
        {.connect = true}))
        << why;
    EXPECT_TRUE(run.connected("Gravelo:in", "system:capture_2"));
    EXPECT_FALSE(run.connected("Gravelo:in", "system:capture_1"));
    EXPECT_TRUE(run.connected("Gravelo:out_left", "system:playback_2"));
    EXPECT_TRUE(run.connected("Gravelo:out_right", "system:playback_1"));
    EXPECT_EQ(run.stopAmp(), 0) << run.ampOutput();
}

TEST(AmpOnJack, TheStateIsRememberedAcrossRunsAndADamagedOneIsKeptAside) {
    AmpRun run;
    ASSERT_TRUE(run.serverRunning());
    std::string why;
    ASSERT_TRUE(run.startAmp({"--set", "Output=-6", "--set", "Bass=2.5"}, why)) << why;
    EXPECT_EQ(run.stopAmp(), 0) << run.ampOutput();
    ASSERT_TRUE(std::filesystem::exists(run.lastState()));
    // The second run starts from it and leaves it as it found it.
    ASSERT_TRUE(run.startAmp({}, why)) << why;
    EXPECT_EQ(run.stopAmp(), 0) << run.ampOutput();
    const gravelo::standalone::Controls remembered = savedControls(run.lastState());
    EXPECT_EQ(remembered[1], -6.0);
    EXPECT_EQ(remembered[4], 2.5);

    // Cut short, it is reported and kept; the defaults play and are saved.
    std::vector<uint8_t> bytes = fileBytes(run.lastState());
    bytes.resize(bytes.size() / 2);
    std::ofstream(run.lastState(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(run.startAmp({}, why)) << why;
    EXPECT_EQ(run.stopAmp(), 0);
    const std::string said = run.ampOutput();
    EXPECT_EQ(render::lineCount(said), 1u) << said;
    EXPECT_NE(said.find(run.lastState().string()), std::string::npos) << said;
    std::filesystem::path bad = run.lastState();
    bad += ".bad";
    EXPECT_EQ(fileBytes(bad), bytes);
    const gravelo::standalone::Controls defaults = savedControls(run.lastState());
    EXPECT_EQ(defaults[1], 0.0);
    EXPECT_EQ(defaults[7], 8.0);
}

TEST(AmpOnJack, WithoutAServerItSaysSoInOneLineAndExitsAtOnce) {
    render::TempDir folder;
    setenv("XDG_CONFIG_HOME", folder.path.c_str(), 1);
    setenv("JACK_DEFAULT_SERVER", ("gravelo-none-" + std::to_string(getpid())).c_str(), 1);
    const auto start = std::chrono::steady_clock::now();
    const render::ToolResult result = render::runProgram(GRAVELO_AMP, {"--no-gui"});
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "gravelo-amp: no JACK server is running: start jackd, or run under "
                          "PipeWire's JACK (pw-jack gravelo-amp)\n");
    EXPECT_LT(took, 1s);
}

TEST(AmpOnJack, WhenTheServerStopsItSaysSoSavesAndExitsWithOne) {
    AmpRun run;
    ASSERT_TRUE(run.serverRunning());
    std::string why;
    ASSERT_TRUE(run.startAmp({"--set", "Treble=-3"}, why)) << why;
    run.closeClient();
    run.jack().stop();
    ASSERT_TRUE(support::waitFor([&] { return run.ampProcess()->finished(); }, 10s))
        << run.ampOutput();
    EXPECT_EQ(run.stopAmp(), 1);
    EXPECT_NE(run.ampOutput().find("JACK server went away"), std::string::npos) << run.ampOutput();
    EXPECT_EQ(savedControls(run.lastState())[6], -3.0);
}

} // namespace
} // namespace gravelo::test::standalone
