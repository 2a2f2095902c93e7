// What the practice amp decides without JACK or a window: where it keeps
// things, the preset list, new presets' names, the state files, when last.fxp
// is written, the meter's clip lamp and the command line.
#include "programs/RenderError.h"
#include "standalone/AmpOptions.h"
#include "standalone/ConfigPaths.h"
#include "standalone/InputMeter.h"
#include "standalone/PresetList.h"
#include "standalone/SaveSchedule.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace gravelo::standalone {
namespace {

namespace fs = std::filesystem;

class Folder {
  public:
    Folder() : path(fs::temp_directory_path() / ("gravelo-amp-logic-" + std::to_string(getpid()))) {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
    const fs::path path;
};

TEST(ConfigPaths, FollowTheXdgRulesWithHomeAsTheFallback) {
    EXPECT_EQ(configPaths("/x/cfg", "/home/u").last, "/x/cfg/gravelo/last.fxp");
    EXPECT_EQ(configPaths("relative", "/home/u").presets, "/home/u/.config/gravelo/presets");
    EXPECT_EQ(configPaths(nullptr, "/home/u").folder, "/home/u/.config/gravelo");
    EXPECT_EQ(configPaths("", "/home/u").folder, "/home/u/.config/gravelo");
}

TEST(PresetList, FactoryPresetsThenTheUsersInOrderAndDamagedFilesLeftOutWithALine) {
    Folder folder;
    instance::AmpInstance amp;
    amp.setControl(1, -4.5);
    writeStateFile(folder.path / "b mine.fxp", amp, "b mine");
    amp.setControl(1, 3.0);
    writeStateFile(folder.path / "a mine.fxp", amp, "a mine");
    std::ofstream(folder.path / "broken.fxp") << "CcnK";
    std::ofstream(folder.path / "notes.txt") << "not a preset";
    std::vector<std::string> warnings;
    PresetList list;
    list.gather(builtInFactoryPresets(), folder.path, amp,
                [&](const std::string& line) { warnings.push_back(line); });
    ASSERT_EQ(list.size(), 6u);
    const char* names[] = {"clean", "dirt", "growl", "scooped", "a mine", "b mine"};
    for (size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(list[i].name, names[i]);
    EXPECT_EQ(list[4].controls[1], 3.0);
    EXPECT_EQ(list[5].controls[1], -4.5);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find((folder.path / "broken.fxp").string()), std::string::npos);
    EXPECT_EQ(list.next(5), 0u);
    EXPECT_EQ(list.previous(0), 5u);
}

TEST(StateFile, RoundTripsAndRefusesWhatIsNotTheAmplifiersState) {
    Folder folder;
    instance::AmpInstance amp;
    amp.setControl(0, 18);
    amp.setControl(7, 2.5);
    writeStateFile(folder.path / "deep" / "s.fxp", amp, "s");
    const StoredPreset back = readStateFile(folder.path / "deep" / "s.fxp", amp);
    EXPECT_EQ(back.name, "s");
    EXPECT_EQ(back.controls[0], 18.0);
    EXPECT_EQ(back.controls[7], 2.5);
    std::ofstream(folder.path / "short.fxp", std::ios::binary) << "CcnK\0\0";
    EXPECT_THROW(readStateFile(folder.path / "short.fxp", amp), StateFileError);
    EXPECT_THROW(readStateFile(folder.path / "missing.fxp", amp), StateFileError);
    const fs::path copy = keepDamagedCopy(folder.path / "short.fxp");
    EXPECT_EQ(copy, folder.path / "short.fxp.bad");
    EXPECT_TRUE(fs::exists(copy));
    EXPECT_FALSE(fs::exists(folder.path / "short.fxp"));
}

TEST(FreshPresetFile, IsNamedByTheMinuteAndNeverReplacesOne) {
    Folder folder;
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 8;
    when.tm_hour = 21;
    when.tm_min = 4;
    EXPECT_EQ(freshPresetFile(folder.path, when), folder.path / "2026-12-08 21.04.fxp");
    std::ofstream(folder.path / "2026-12-08 21.04.fxp") << "x";
    EXPECT_EQ(freshPresetFile(folder.path, when), folder.path / "2026-12-08 21.04 (2).fxp");
}

TEST(SaveSchedule, WritesOnceAChangeHasRestedForAFewSeconds) {
    instance::AmpInstance::ControlValues state{};
    SaveSchedule schedule(state);
    EXPECT_FALSE(schedule.due(state, 100.0));
    state[1] = -3;
    EXPECT_FALSE(schedule.due(state, 101.0));
    state[1] = -4; // still turning
    EXPECT_FALSE(schedule.due(state, 103.0));
    EXPECT_TRUE(schedule.due(state, 103.0 + SaveSchedule::kDelaySeconds));
    schedule.saved(state);
    EXPECT_FALSE(schedule.due(state, 200.0));
}

TEST(MeterDisplay, FallsBackSmoothlyAndHoldsTheClipLampForASecond) {
    MeterDisplay meter;
    meter.update(0.5f, 10.0);
    EXPECT_NEAR(meter.levelDb(), -6.02, 0.01);
    meter.update(0.0f, 10.5);
    EXPECT_NEAR(meter.levelDb(), -6.02 - 0.5 * MeterDisplay::kFallPerSecond, 0.01);
    EXPECT_FALSE(meter.clipLit(10.5));
    meter.update(1.0f, 11.0);
    EXPECT_EQ(meter.fraction(), 1.0);
    EXPECT_TRUE(meter.clipLit(11.9));
    EXPECT_FALSE(meter.clipLit(12.01));
    InputPeak peak;
    peak.note(0.25f);
    peak.note(0.5f);
    peak.note(0.125f);
    EXPECT_EQ(peak.take(), 0.5f);
    EXPECT_EQ(peak.take(), 0.0f);
}

TEST(AmpOptions, TakeThePortsSettingsAndFlagsAndRefuseTheRest) {
    const char* args[] = {"gravelo-amp",      "--name",   "Bass",
                          "--output=a:1,b:2", "--set",    "Output=-6",
                          "--no-gui",         "--preset", "x.fxp"};
    const AmpOptions options = parseAmpOptions(9, args);
    EXPECT_EQ(options.clientName, "Bass");
    EXPECT_EQ(options.outputs, (std::vector<std::string>{"a:1", "b:2"}));
    ASSERT_EQ(options.settings.size(), 1u);
    EXPECT_EQ(options.settings[0].parameter, "Output");
    EXPECT_FALSE(options.gui);
    EXPECT_EQ(options.preset, "x.fxp");
    const char* oneOutput[] = {"gravelo-amp", "--output", "a:1"};
    EXPECT_THROW(parseAmpOptions(3, oneOutput), render::UsageError);
    const char* unknown[] = {"gravelo-amp", "--loud"};
    EXPECT_THROW(parseAmpOptions(2, unknown), render::UsageError);
    const char* noValue[] = {"gravelo-amp", "--set"};
    EXPECT_THROW(parseAmpOptions(2, noValue), render::UsageError);
}

} // namespace
} // namespace gravelo::standalone
