// gravelo-render: renders audio files through a VST 2.x effect, as a DAW
// would, with parameters, presets and chunks from the command line.
#include "AudioFiles.h"
#include "Options.h"
#include "PluginHost.h"
#include "PluginState.h"
#include "Renderer.h"
#include "effect/Identity.h"
#include "programs/AtomicFile.h"
#include "programs/Interruption.h"
#include "programs/Parameters.h"
#include "programs/PluginLocation.h"
#include "programs/RenderError.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>

namespace gravelo::render {
namespace {

constexpr double kRateWithoutInput = 48000.0;

// Presets and chunks first, then each --set in order.
void applyState(PluginHost& host, const Options& options) {
    if (!options.loadChunk.empty()) loadChunkFile(host, options.loadChunk);
    if (!options.loadPreset.empty()) loadPresetFile(host, options.loadPreset);
    for (const ParameterSetting& setting : options.settings)
        applySetting(host, setting);
}

void saveState(PluginHost& host, const Options& options) {
    if (!options.saveChunk.empty()) saveChunkFile(host, options.saveChunk);
    if (options.savePreset.empty()) return;
    const std::string name = options.presetName.empty()
                                 ? std::filesystem::path(options.savePreset).stem().string()
                                 : options.presetName;
    savePresetFile(host, options.savePreset, name);
}

// Process CPU time as well as wall time: on a busy machine the wall time
// also counts the waits for a core.
void reportTiming(const RenderReport& report, double sampleRate) {
    const double cpuSeconds = static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
    std::fprintf(stderr,
                 "rendered %.1f s of audio in %.3f s (whole run: %.3f s of CPU); the plug-in's "
                 "processing took %.3f s\n",
                 static_cast<double>(report.frames) / sampleRate, report.wallSeconds, cpuSeconds,
                 report.pluginSeconds);
}

// Rendering onto the input (under any name or link) would replace the
// recording with its own result.
void refuseOutputOntoInput(const Options& options) {
    std::error_code ignored;
    if (std::filesystem::equivalent(options.input, options.output, ignored))
        throw RenderError("output '" + options.output + "' is the input file; choose another name");
}

void run(const Options& options) {
    // Inputs and the output folder are checked before the plug-in loads.
    std::unique_ptr<SoundFileReader> reader;
    std::unique_ptr<AtomicFile> output;
    int format = 0;
    if (options.renders()) {
        format = outputFormatFor(options.output, options.samples);
        refuseOutputOntoInput(options);
        reader = std::make_unique<SoundFileReader>(options.input);
        output = std::make_unique<AtomicFile>(options.output);
    }
    PluginHost host(options.plugin.empty() ? defaultPluginPath() : options.plugin);
    if (options.doublePrecision && !host.canProcessDouble())
        throw RenderError("plug-in '" + host.path() +
                          "' cannot process double precision; render without --double");
    const double rate = reader ? reader->sampleRate() : kRateWithoutInput;
    host.open(rate, options.blockSize, options.doublePrecision);
    applyState(host, options);
    if (options.list) listParameters(host, stdout);
    std::fflush(stdout);
    saveState(host, options);
    if (!reader) return;

    SoundFileWriter writer(output->descriptor(), options.output, format, reader->sampleRate(),
                           outputChannelsFor(host));
    const RenderSettings settings{options.blockSize, options.tailSeconds, options.doublePrecision,
                                  !options.quiet};
    const RenderReport report = renderAudio(host, *reader, writer, settings);
    writer.close();
    output->commit();
    if (options.timing) reportTiming(report, rate);
}

} // namespace
} // namespace gravelo::render

int main(int argc, char** argv) {
    using namespace gravelo::render;
    try {
        const Options options = parseOptions(argc, argv);
        if (options.help) {
            std::fputs(usageText(), stdout);
            return 0;
        }
        if (options.version) {
            std::printf("gravelo-render %s\n", gravelo::identity::kVersion);
            return 0;
        }
        catchInterruptions();
        run(options);
        return 0;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "gravelo-render: %s\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "gravelo-render: %s\n", error.what());
        return 1;
    }
}
