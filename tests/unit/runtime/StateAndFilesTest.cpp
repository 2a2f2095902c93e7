#include "support/RecordingRuntime.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// A private folder that stands in for the plug-in's own folder.
class TempFolder {
  public:
    TempFolder()
        : path(fs::temp_directory_path() /
               ("gravelo-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++))) {
        fs::create_directories(path);
    }
    ~TempFolder() { fs::remove_all(path); }
    std::string withSeparator() const { return path.string() + "/"; }
    fs::path path;

  private:
    static inline int counter = 0;
};

std::vector<uint8_t> bytesOf(const void* data, int32_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    return {bytes, bytes + size};
}

TEST(GetState, AnswersZeroWhenNothingIsSerialized) {
    RecordingRuntime runtime;
    void* data = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(runtime.getState(&data, false), 0);
    EXPECT_EQ(data, reinterpret_cast<void*>(0x1)) << "the out pointer stays unset";
}

TEST(GetState, StartsWithTheMarker) {
    RecordingRuntime runtime;
    runtime.serialized = {1.5, -2.0};
    void* data = nullptr;
    ASSERT_EQ(runtime.getState(&data, false), 12);
    const std::vector<uint8_t> expectedMarker{0x00, 0x00, 0x7A, 0xC4};
    EXPECT_EQ(bytesOf(data, 4), expectedMarker);
    float values[3];
    std::memcpy(values, data, sizeof values);
    EXPECT_EQ(values[1], 1.5f);
    EXPECT_EQ(values[2], -2.0f);
}

TEST(SetState, ShortChunkReadsWhatIsThereAndKeepsTheRest) {
    RecordingRuntime runtime;
    runtime.serialized = {5.0, 6.0};
    const float chunk[2] = {-1000.0f, 0.0f};
    // 6 bytes: one whole float, the marker; the rest of the values keep theirs.
    EXPECT_EQ(runtime.setState(chunk, 6, false), 6);
    EXPECT_EQ(runtime.serialized, (std::vector<double>{5.0, 6.0}));
    EXPECT_EQ(runtime.hooks, (std::vector<std::string>{"init", "slider"}));
}

TEST(SetState, WrongMarkerOrEmptyChunkChangesNothing) {
    RecordingRuntime runtime;
    runtime.serialized = {5.0};
    const float wrong[2] = {0.0f, 9.0f};
    EXPECT_EQ(runtime.setState(wrong, 8, false), 8);
    EXPECT_EQ(runtime.setState(nullptr, 0, false), 0);
    EXPECT_EQ(runtime.setState(wrong, 3, false), 3);
    EXPECT_EQ(runtime.setState(nullptr, 12, false), 12);
    EXPECT_EQ(runtime.serialized, std::vector<double>{5.0});
    EXPECT_TRUE(runtime.hooks.empty());
    EXPECT_EQ(runtime.initCount, 0);
}

TEST(SetState, OnlyTheFirstRestoreRunsInit) {
    RecordingRuntime runtime;
    runtime.serialized = {0.0};
    const float chunk[2] = {-1000.0f, 3.0f};
    runtime.setState(chunk, 8, false);
    runtime.setState(chunk, 8, false);
    EXPECT_EQ(runtime.hooks, (std::vector<std::string>{"init", "slider", "slider"}));
    EXPECT_EQ(runtime.initCount, 2);
    EXPECT_EQ(runtime.serialized, std::vector<double>{3.0});
}

TEST(FileStreams, WriteStreamReachesTheDiskAsLowBytes) {
    TempFolder folder;
    {
        TVobrix runtime;
        runtime.moduleDirectory = folder.withSeparator();
        runtime.streams.emplace_back();
        FileStream& stream = runtime.streams.back();
        stream.name = "\\out.bin";
        stream.mode = FileStream::Writing;
        for (double v : {65.9999, 300.0, -1.0})
            runtime.streamValue(stream, v);
        runtime.closeFile(stream);
        EXPECT_EQ(stream.mode, FileStream::Closed);
        EXPECT_TRUE(stream.name.empty());
        EXPECT_TRUE(stream.buffer.empty());
    }
    std::ifstream file(folder.path / "out.bin", std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    ASSERT_EQ(bytes.size(), 3u);
    EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 66);
    EXPECT_EQ(static_cast<uint8_t>(bytes[1]), 44);
    EXPECT_EQ(static_cast<uint8_t>(bytes[2]), 255);
}

TEST(FileStreams, NamedWriteStreamsAreWrittenWhenTheRuntimeIsDestroyed) {
    TempFolder folder;
    {
        TVobrix runtime;
        runtime.moduleDirectory = folder.withSeparator();
        runtime.streams.emplace_back();
        runtime.streams.back().name = "late.bin";
        runtime.streams.back().mode = FileStream::Writing;
        double v = 7.0;
        runtime.streamValue(runtime.streams.back(), v);
    }
    EXPECT_EQ(fs::file_size(folder.path / "late.bin"), 1u);
}

TEST(FileStreams, ReadingPastTheEndKeepsTheVariable) {
    TVobrix runtime;
    FileStream& stream = runtime.stateStream();
    stream.mode = FileStream::Reading;
    stream.buffer = {1.0f};
    double v = 9.0;
    runtime.streamValue(stream, v);
    EXPECT_EQ(v, 1.0);
    runtime.streamValue(stream, v);
    EXPECT_EQ(v, 1.0);
    EXPECT_EQ(stream.position, 1);
}

TEST(Paths, NamesAreRelativeToThePluginFolder) {
    TVobrix runtime;
    runtime.moduleDirectory = "/opt/plugins/";
    EXPECT_EQ(runtime.resolvePath("gravelo_gfx\\knob.png"), "/opt/plugins/gravelo_gfx/knob.png");
    EXPECT_EQ(runtime.resolvePath("\\gravelo_gfx\\knob.png"), "/opt/plugins/gravelo_gfx/knob.png");
    EXPECT_EQ(runtime.resolvePath("/x"), "/opt/plugins/x");
}

TEST(Paths, ModuleDirectoryEndsWithASeparator) {
    TVobrix runtime;
    ASSERT_FALSE(runtime.moduleDirectory.empty());
    EXPECT_EQ(runtime.moduleDirectory.back(), '/');
}

TEST(FileListSlider, ListsOnlyRegularFilesWithoutDotNames) {
    TempFolder folder;
    fs::create_directories(folder.path / "data" / "sub");
    std::ofstream(folder.path / "data" / "tone.wav") << "x";
    std::ofstream(folder.path / "data" / ".hidden") << "x";
    TVobrix runtime;
    runtime.moduleDirectory = folder.withSeparator();
    runtime.addSlider(1, nullptr, 3.0, 0, 10, 1, "data/", "", "", "File");
    const SliderInfo& info = runtime.sliderInfos.back();
    EXPECT_EQ(info.labels, std::vector<std::string>{"tone.wav"});
    EXPECT_EQ(info.minimum, 0.0);
    EXPECT_EQ(info.maximum, 0.0);
    EXPECT_EQ(info.step, 0.5);
    EXPECT_EQ(info.defaultValue, 0.0);
    EXPECT_EQ(runtime.sliderValues[1].load(), 3.0) << "the stored value is not changed";
}

TEST(FileListSlider, EmptyOrMissingFolderGivesOneNoDataLabel) {
    TempFolder folder;
    fs::create_directories(folder.path / "empty");
    TVobrix runtime;
    runtime.moduleDirectory = folder.withSeparator();
    runtime.addSlider(1, nullptr, 0, 0, 10, 1, "empty/", "", "", "A");
    runtime.addSlider(2, nullptr, 0, 0, 10, 1, "missing/", "", "", "B");
    for (const SliderInfo& info : runtime.sliderInfos) {
        EXPECT_EQ(info.labels, std::vector<std::string>{"(No Data Files)"});
        EXPECT_EQ(info.maximum, 0.0);
    }
}

TEST(DiagnosticsLog, AppendsOneLinePerCall) {
    TempFolder folder;
    TVobrix runtime;
    runtime.logPath = (folder.path / "log.txt").string();
    runtime.writeLog("Unable to load: a");
    runtime.writeLog("Unable to load: b");
    std::ifstream file(runtime.logPath);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(text, "Unable to load: a\nUnable to load: b\n");
}

TEST(DiagnosticsLog, UnopenableLogIsSilent) {
    TVobrix runtime;
    runtime.logPath = "/nonexistent-folder/for/sure/log.txt";
    runtime.writeLog("nothing happens");
    EXPECT_FALSE(fs::exists(runtime.logPath));
}

} // namespace
