// Running gravelo-render as a user does, making its input files, reading its
// output, and the reference: the same audio through the VST 2.x host library (tools/vsthost).
#pragma once

#include "vsthost/PluginLibrary.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace gravelo::test::render {

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `program` with `args`; standard input is empty. `asanOptions` are
// added to the sanitizer options the test program runs with.
ToolResult runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& asanOptions = "");
// The same for the built renderer.
ToolResult runTool(const std::vector<std::string>& args, const std::string& asanOptions = "");
// The number of lines in `text`.
size_t lineCount(const std::string& text);

// A fresh folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string file(const std::string& name) const { return (path / name).string(); }
    // The names of everything in the folder.
    std::vector<std::string> entries() const;
    std::filesystem::path path;
};

struct Audio {
    int rate = 48000;
    int channels = 1;
    std::vector<double> samples; // interleaved
    int64_t frames() const {
        return channels > 0 ? static_cast<int64_t>(samples.size()) / channels : 0;
    }
    double at(int64_t frame, int channel) const {
        return samples[static_cast<size_t>(frame * channels + channel)];
    }
};

// A bass-like test signal with plucks, harmonics and a little noise, each
// channel different; the values are exact 32-bit floats.
Audio testSignal(int rate, int channels, double seconds);
// 32-bit float WAV unless another libsndfile format is given.
void writeAudio(const std::string& path, const Audio& audio, int format = 0);
Audio readAudio(const std::string& path);

// How the reference renders: the settings the tool is asked for, given to
// the plug-in through the VST 2.x host library (tools/vsthost).
struct Reference {
    std::string plugin;
    int block = 256;
    double tailSeconds = 0.0;
    bool doublePrecision = false;
    std::vector<uint8_t> chunk; // loaded first when not empty
    std::vector<std::pair<int, float>> parameters;
};
// The plug-in library at `path`, loaded once and kept for the rest of the
// test program (as the tool keeps it for its whole run).
const vsthost::PluginLibrary& loadedLibrary(const std::string& path);

// Planar outputs: the plug-in's first two.
std::vector<std::vector<double>> renderReference(const Audio& input, const Reference& how);

// Sample for sample equality, with the first difference when there is one.
bool sameAudio(const Audio& file, const std::vector<std::vector<double>>& reference,
               std::string& why);

// Big-endian 32-bit field of a preset file.
int32_t bigEndianAt(const std::vector<uint8_t>& bytes, size_t offset);
std::vector<uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace gravelo::test::render
