// lv2apply, which offers the plug-in no features and runs one frame per
// call, renders through the bundle exactly what gravelo-render renders
// through the VST 2.x plug-in with the same settings and --block 1.
#include "LilvHost.h"
#include "RenderTestSupport.h"
#include "instance/AmpInstance.h"
#include "programs/PresetFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

using namespace gravelo::lv2;
using gravelo::test::render::runProgram;

// Control index and value in the panel's units.
using Settings = std::vector<std::pair<uint32_t, float>>;

std::string text(float value) {
    char shown[32];
    std::snprintf(shown, sizeof shown, "%.9g", static_cast<double>(value));
    return shown;
}

// lv2apply is not built with the sanitizers; a sanitized plug-in needs their
// runtimes loaded first, and lilv's own leaks are not ours to report.
std::string sanitizerOptions() {
    return GRAVELO_SANITIZER_PRELOAD[0] != '\0' ? "detect_leaks=0" : "";
}

class Lv2Apply : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        gravelo::test::lv2::useBuiltBundle();
        if (GRAVELO_SANITIZER_PRELOAD[0] != '\0')
            setenv("LD_PRELOAD", GRAVELO_SANITIZER_PRELOAD, 1);
    }
    static void TearDownTestSuite() { unsetenv("LD_PRELOAD"); }
    void SetUp() override {
        input = folder.file("in.wav");
        gravelo::test::render::writeAudio(input, gravelo::test::render::testSignal(48000, 1, 1.0));
    }

    // Renders with lv2apply and with gravelo-render; both must succeed and
    // agree sample for sample. `vstSettings` are gravelo-render's --set
    // arguments for the same values.
    void expectSameRender(const Settings& settings, const std::vector<std::string>& vstSettings) {
        const std::string lv2Out = folder.file("lv2.wav"), vstOut = folder.file("vst.wav");
        std::vector<std::string> apply = {"-i", input, "-o", lv2Out};
        for (const auto& [control, value] : settings)
            apply.insert(apply.end(), {"-c", kControlSymbols[control], text(value)});
        apply.push_back(kPluginUri);
        const auto lv2 = runProgram("lv2apply", apply, sanitizerOptions());
        ASSERT_EQ(lv2.exitCode, 0) << lv2.err;
        std::vector<std::string> render = {"--quiet", "--block", "1"};
        for (const std::string& setting : vstSettings)
            render.insert(render.end(), {"--set", setting});
        render.insert(render.end(), {input, vstOut});
        const auto vst = gravelo::test::render::runTool(render);
        ASSERT_EQ(vst.exitCode, 0) << vst.err;

        const gravelo::test::render::Audio a = gravelo::test::render::readAudio(lv2Out),
                                           b = gravelo::test::render::readAudio(vstOut);
        ASSERT_EQ(a.channels, 2);
        ASSERT_EQ(b.channels, 2);
        ASSERT_EQ(a.frames(), b.frames());
        ASSERT_GT(a.frames(), 0);
        for (size_t i = 0; i < a.samples.size(); ++i)
            ASSERT_EQ(a.samples[i], b.samples[i]) << "frame " << i / 2 << " channel " << i % 2;
    }

    // The same settings as gravelo-render's --set Name=value arguments.
    std::vector<std::string> byName(const Settings& settings) const {
        std::vector<std::string> named;
        for (const auto& [control, value] : settings)
            named.push_back(std::string(amp.controlInfo(static_cast<int>(control)).name) + "=" +
                            text(value));
        return named;
    }

    gravelo::test::render::TempDir folder;
    std::string input;
    const gravelo::instance::AmpInstance amp;
};

TEST_F(Lv2Apply, DefaultsRenderAsTheVstDoes) {
    expectSameRender({}, {});
}

// Dirt, Bass, Middle and Treble all on, so every optional stage runs, and
// the input pushed into the limiter.
TEST_F(Lv2Apply, WorstCaseRendersAsTheVstDoes) {
    const Settings worst = {{0, 12}, {1, 0}, {2, 3}, {3, 6}, {4, 4},
                            {5, 3},  {6, 5}, {7, 8}, {8, 2}};
    expectSameRender(worst, byName(worst));
}

TEST_F(Lv2Apply, EachPresetsValuesRenderAsTheVstDoes) {
    int presets = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GRAVELO_PRESETS_DIR)) {
        const auto parsed = gravelo::render::presetfile::parsePreset(
            gravelo::test::render::readBytes(entry.path().string()));
        ASSERT_TRUE(parsed.ok) << entry.path();
        const std::vector<uint8_t>& chunk = parsed.preset.chunk;
        ASSERT_EQ(chunk.size(), gravelo::instance::AmpInstance::kStateBytes);
        Settings settings;
        for (uint32_t c = 0; c < kControlPorts; ++c) {
            float value;
            std::memcpy(&value, chunk.data() + 4 * (c + 1), sizeof value);
            settings.push_back({c, value});
        }
        SCOPED_TRACE(entry.path().filename().string());
        expectSameRender(settings, byName(settings));
        ++presets;
    }
    EXPECT_EQ(presets, 4);
}

// Values between steps snap as host parameters snap: Quorvel 18.5 goes up
// to 19, Dirt 3.04 down to 3, Output -9.3 to -9.5. gravelo-render gets the
// host values (0..1) the VST would receive for them.
TEST_F(Lv2Apply, ValuesBetweenStepsSnapAsHostParametersDo) {
    const Settings between = {{0, 18.5f}, {3, 3.04f}, {1, -9.3f}};
    std::vector<std::string> hostValues;
    for (const auto& [control, value] : between) {
        const gravelo::instance::ControlInfo& info = amp.controlInfo(static_cast<int>(control));
        const auto x = static_cast<float>((value - info.minimum) / (info.maximum - info.minimum));
        hostValues.push_back(std::to_string(control) + "=" + text(x) + "n");
    }
    expectSameRender(between, hostValues);
}

} // namespace
