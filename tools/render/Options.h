// The renderer's command line.
#pragma once

#include "AudioFiles.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace render {

// One --set: a parameter by name or index, and a value either in the units
// the plug-in displays or, with the 'n' suffix, as a host value 0..1.
struct ParameterSetting {
    std::string parameter;
    std::string value;
    bool hostValue = false;
};

struct Options {
    std::string input;
    std::string output;
    std::string plugin; // empty: the Gravelo plug-in found beside the tool
    bool doublePrecision = false;
    int blockSize = 256;
    double tailSeconds = 0.0;
    SampleFormat samples = SampleFormat::Float;
    std::vector<ParameterSetting> settings;
    bool list = false;
    std::string loadPreset;
    std::string savePreset;
    std::string presetName; // empty: the preset file's own name
    std::string loadChunk;
    std::string saveChunk;
    bool quiet = false;
    bool timing = false;
    bool help = false;

    bool renders() const { return !input.empty(); }
};

// Throws UsageError for a command line that makes no sense.
Options parseOptions(int argc, const char* const* argv);
const char* usageText();

class UsageError : public std::runtime_error {
  public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace render
