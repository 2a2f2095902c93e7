// The renderer's command line.
#pragma once

#include "AudioFiles.h"
#include "programs/RenderError.h"
#include "programs/Setting.h"

#include <string>
#include <vector>

namespace gravelo::render {

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
    bool version = false;

    bool renders() const { return !input.empty(); }
};

// Throws UsageError for a command line that makes no sense.
Options parseOptions(int argc, const char* const* argv);
const char* usageText();

} // namespace gravelo::render
