// The render loop: the input file, then the tail of silence, through the
// plug-in in blocks, into the output file.
#pragma once

#include "AudioFiles.h"
#include "PluginHost.h"

#include <cstdint>

namespace gravelo::render {

struct RenderSettings {
    int blockSize = 256;
    double tailSeconds = 0.0;
    bool doublePrecision = false;
    bool progress = true;
};

struct RenderReport {
    int64_t frames = 0;
    double wallSeconds = 0.0;
    double pluginSeconds = 0.0; // inside the plug-in's processing calls
};

// Channels written: the plug-in's first two outputs.
int outputChannelsFor(const PluginHost& host);

// Resumes the plug-in, renders and suspends it. The caller closes the
// writer. Throws RenderError on read or write failures and interruption.
RenderReport renderAudio(PluginHost& host, SoundFileReader& reader, SoundFileWriter& writer,
                         const RenderSettings& settings);

} // namespace gravelo::render
