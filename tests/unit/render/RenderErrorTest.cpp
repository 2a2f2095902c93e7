// Bad input: one clear line on standard error, a non-zero exit, and no
// output file (finished-looking or temporary) left behind.
#include "RenderTestSupport.h"
#include "programs/PresetFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace gravelo::test::render {
namespace {

class RenderErrors : public ::testing::Test {
  protected:
    void SetUp() override {
        writeAudio(dir.file("in.wav"), testSignal(48000, 1, 0.25));
        before = dir.entries();
    }

    // Runs the tool, expects a one-line error containing every one of
    // `words`, and nothing new in the folder.
    void expectRefusal(const std::vector<std::string>& args, const std::vector<std::string>& words,
                       int exitCode = 1) {
        const ToolResult run = runTool(args);
        EXPECT_EQ(run.exitCode, exitCode) << run.err;
        EXPECT_EQ(lineCount(run.err), 1u) << run.err;
        EXPECT_EQ(run.err.rfind("gravelo-render: ", 0), 0u) << run.err;
        for (const std::string& word : words)
            EXPECT_NE(run.err.find(word), std::string::npos) << "'" << word << "' in " << run.err;
        EXPECT_EQ(dir.entries(), before);
    }

    std::vector<std::string> render(std::vector<std::string> options) {
        options.push_back(dir.file("in.wav"));
        options.push_back(dir.file("out.wav"));
        return options;
    }

    void writePreset(const std::string& name, int32_t id) {
        gravelo::render::presetfile::Preset preset;
        preset.pluginId = id;
        preset.chunk = std::vector<uint8_t>(260, 0);
        writeBytes(dir.file(name), gravelo::render::presetfile::writePreset(preset));
        before = dir.entries();
    }

    TempDir dir;
    std::vector<std::string> before;
};

TEST_F(RenderErrors, MissingInput) {
    expectRefusal({dir.file("none.wav"), dir.file("out.wav")}, {"none.wav", "does not exist"});
}

TEST_F(RenderErrors, InputThatIsNotAudio) {
    writeBytes(dir.file("notes.wav"), std::vector<uint8_t>(1000, 'x'));
    before = dir.entries();
    expectRefusal({dir.file("notes.wav"), dir.file("out.wav")}, {"cannot read input", "notes.wav"});
}

TEST_F(RenderErrors, UnreadableInputFolder) {
    expectRefusal({dir.path.string(), dir.file("out.wav")}, {"is a folder"});
}

TEST_F(RenderErrors, UnsupportedOutputFormat) {
    expectRefusal({dir.file("in.wav"), dir.file("out.mp3")}, {"unsupported output format", ".mp3"});
}

TEST_F(RenderErrors, PluginThatDoesNotExist) {
    expectRefusal(render({"--plugin", dir.file("nothing.so")}),
                  {"cannot load plug-in", "nothing.so"});
}

TEST_F(RenderErrors, PluginThatIsNotALibrary) {
    expectRefusal(render({"--plugin", dir.file("in.wav")}), {"cannot load plug-in"});
}

TEST_F(RenderErrors, LibraryWithoutEntry) {
    expectRefusal(render({"--plugin", FAKE_NO_ENTRY_PLUGIN}),
                  {"not a VST 2.x plug-in", "no VSTPluginMain"});
}

TEST_F(RenderErrors, PluginGivingNoEffect) {
    expectRefusal(render({"--plugin", FAKE_NULL_PLUGIN}), {"gave no effect"});
}

TEST_F(RenderErrors, PluginWithWrongMagic) {
    expectRefusal(render({"--plugin", FAKE_BAD_MAGIC_PLUGIN}), {"not a VST 2.x plug-in", "magic"});
}

TEST_F(RenderErrors, InstrumentIsNotAnEffect) {
    expectRefusal(render({"--plugin", FAKE_INSTRUMENT_PLUGIN}),
                  {"not an audio effect", "0 inputs"});
}

TEST_F(RenderErrors, DoubleWithoutDoubleProcessing) {
    expectRefusal(render({"--plugin", FAKE_GAIN_PLUGIN, "--double"}),
                  {"cannot process double precision"});
}

TEST_F(RenderErrors, UnknownParameterName) {
    expectRefusal(render({"--set", "Fuzz=3"}), {"unknown parameter 'Fuzz'", "Quorvel", "LFcut"});
}

TEST_F(RenderErrors, ParameterIndexOutOfRange) {
    expectRefusal(render({"--set", "9=0.5n"}), {"no parameter 9", "0 to 8"});
}

TEST_F(RenderErrors, ValueOutOfReachNamesTheRange) {
    expectRefusal(render({"--set", "Output=25"}), {"Output", "25", "-20.00", "20.00"});
    expectRefusal(render({"--set", "Depth=0"}), {"Depth", "0.10", "10.00"});
}

TEST_F(RenderErrors, ValueBetweenStepsNamesTheNearest) {
    expectRefusal(render({"--set", "Output=-3.3"}), {"-3.50", "-3.00"});
}

TEST_F(RenderErrors, HostValueOutsideZeroToOne) {
    expectRefusal(render({"--set", "Dirt=1.5n"}), {"0 to 1"}, 2);
}

TEST_F(RenderErrors, PresetForAnotherPlugin) {
    writePreset("other.fxp", gravelo::render::presetfile::fourCharCode("ABCD"));
    expectRefusal(render({"--load-preset", dir.file("other.fxp")}),
                  {"other.fxp", "'ABCD'", "'GRV1'"});
}

TEST_F(RenderErrors, PresetThatIsNotAPreset) {
    expectRefusal(render({"--load-preset", dir.file("in.wav")}), {"bad preset", "CcnK"});
}

TEST_F(RenderErrors, PresetCutShort) {
    writePreset("cut.fxp", gravelo::render::presetfile::fourCharCode("GRV1"));
    std::vector<uint8_t> bytes = readBytes(dir.file("cut.fxp"));
    bytes.resize(bytes.size() - 100);
    writeBytes(dir.file("cut.fxp"), bytes);
    expectRefusal(render({"--load-preset", dir.file("cut.fxp")}), {"bad preset", "cut short"});
}

TEST_F(RenderErrors, MissingPresetFile) {
    expectRefusal(render({"--load-preset", dir.file("gone.fxp")}),
                  {"cannot read preset", "gone.fxp"});
}

TEST_F(RenderErrors, EmptyChunkFile) {
    writeBytes(dir.file("empty.bin"), {});
    before = dir.entries();
    expectRefusal(render({"--load-chunk", dir.file("empty.bin")}), {"bad chunk", "empty"});
}

TEST_F(RenderErrors, OutputFolderMissing) {
    expectRefusal({dir.file("in.wav"), dir.file("missing/out.wav")},
                  {"cannot write to folder", "missing"});
}

TEST_F(RenderErrors, OutputFolderIsAFile) {
    expectRefusal({dir.file("in.wav"), dir.file("in.wav/out.wav")},
                  {"cannot write to folder", "Not a directory"});
}

TEST_F(RenderErrors, OutputThatIsAFolder) {
    std::filesystem::create_directory(dir.file("taken.wav"));
    before = dir.entries();
    expectRefusal({dir.file("in.wav"), dir.file("taken.wav")}, {"names a folder"});
}

TEST_F(RenderErrors, PresetSavedIntoMissingFolder) {
    expectRefusal({"--save-preset", dir.file("missing/p.fxp")}, {"cannot write to folder"});
}

TEST_F(RenderErrors, UsageMistakesExitWithTwo) {
    expectRefusal({"--block", "0", dir.file("in.wav"), dir.file("out.wav")}, {"--block"}, 2);
    expectRefusal({dir.file("in.wav")}, {"missing output"}, 2);
    expectRefusal({"--frobnicate"}, {"unknown option"}, 2);
    expectRefusal({}, {"nothing to do"}, 2);
}

TEST_F(RenderErrors, FailedRenderKeepsAnExistingOutput) {
    writeBytes(dir.file("out.wav"), {'o', 'l', 'd'});
    before = dir.entries();
    expectRefusal(render({"--set", "Nothing=1"}), {"unknown parameter"});
    EXPECT_EQ(readBytes(dir.file("out.wav")), (std::vector<uint8_t>{'o', 'l', 'd'}));
}

// The same file under its own name, another spelling, a symbolic link and a
// hard link: each is refused and the recording stays byte for byte.
TEST_F(RenderErrors, OutputThatIsTheInput) {
    const std::vector<uint8_t> recording = readBytes(dir.file("in.wav"));
    std::filesystem::create_symlink(dir.file("in.wav"), dir.file("link.wav"));
    std::filesystem::create_hard_link(dir.file("in.wav"), dir.file("same.wav"));
    before = dir.entries();
    for (const char* name : {"in.wav", "./in.wav", "link.wav", "same.wav"}) {
        expectRefusal({dir.file("in.wav"), dir.file(name)}, {"is the input"});
        EXPECT_EQ(readBytes(dir.file("in.wav")), recording) << name;
    }
}

} // namespace
} // namespace gravelo::test::render
