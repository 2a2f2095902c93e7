#include "Renderer.h"

#include "Progress.h"
#include "programs/Interruption.h"
#include "programs/RenderError.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace gravelo::render {

namespace {

using Clock = std::chrono::steady_clock;

// File reads and writes go in pieces of about this many frames, so that
// their cost stays small next to the plug-in's.
constexpr int64_t kFileFrames = 65536;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Which file channel feeds each plug-in input (-1: silence). A mono file
// feeds every input; otherwise the first two channels feed the first two.
std::vector<int> inputSources(int fileChannels, int pluginInputs) {
    std::vector<int> sources(static_cast<size_t>(pluginInputs), -1);
    for (int k = 0; k < pluginInputs; ++k) {
        if (fileChannels == 1)
            sources[static_cast<size_t>(k)] = 0;
        else if (k < 2 && k < fileChannels)
            sources[static_cast<size_t>(k)] = k;
    }
    return sources;
}

template <class Sample> class BlockLoop {
  public:
    BlockLoop(PluginHost& plugin, SoundFileReader& input, SoundFileWriter& output,
              const RenderSettings& settings)
        : host(plugin), reader(input), writer(output), block(settings.blockSize),
          fileFrames((kFileFrames + block - 1) / block * block), fileChannels(input.channels()),
          outChannels(outputChannelsFor(plugin)),
          sources(inputSources(fileChannels, plugin.inputs())),
          tailLeft(static_cast<int64_t>(std::llround(settings.tailSeconds * input.sampleRate()))),
          inputs(static_cast<size_t>(plugin.inputs()),
                 std::vector<Sample>(static_cast<size_t>(block))),
          outputs(static_cast<size_t>(plugin.outputs()),
                  std::vector<Sample>(static_cast<size_t>(block))),
          fromFile(static_cast<size_t>(fileFrames * fileChannels)),
          toFile(static_cast<size_t>(fileFrames * outChannels)) {
        for (auto& channel : inputs)
            inputPointers.push_back(channel.data());
        for (auto& channel : outputs)
            outputPointers.push_back(channel.data());
    }

    RenderReport run(bool showProgress) {
        const auto start = Clock::now();
        const int64_t tailFrames = tailLeft;
        Progress progress(reader.frames() > 0 ? reader.frames() + tailFrames : 0,
                          reader.sampleRate(), showProgress);
        RenderReport report;
        int64_t frames = 0;
        while ((frames = fill()) > 0) {
            if (interruptionRequested()) throw RenderError("interrupted; no output written");
            processPiece(frames, report);
            writer.write(toFile.data(), frames);
            report.frames += frames;
            progress.update(report.frames);
        }
        report.wallSeconds = secondsSince(start);
        return report;
    }

  private:
    // Reads the next piece of the input, followed by the tail once the input
    // has ended; answers its length in frames.
    int64_t fill() {
        int64_t got = 0;
        while (!inputEnded && got < fileFrames) {
            const int64_t n = reader.read(fromFile.data() + got * fileChannels, fileFrames - got);
            if (n == 0) inputEnded = true;
            got += n;
        }
        const int64_t silence = std::min(fileFrames - got, tailLeft);
        std::fill(fromFile.begin() + got * fileChannels,
                  fromFile.begin() + (got + silence) * fileChannels, Sample{});
        tailLeft -= silence;
        return got + silence;
    }

    void processPiece(int64_t frames, RenderReport& report) {
        for (int64_t offset = 0; offset < frames; offset += block) {
            const int n = static_cast<int>(std::min<int64_t>(block, frames - offset));
            spread(offset, n);
            const auto start = Clock::now();
            host.process(inputPointers.data(), outputPointers.data(), n);
            report.pluginSeconds += secondsSince(start);
            gather(offset, n);
        }
    }

    void spread(int64_t offset, int n) {
        for (size_t k = 0; k < inputs.size(); ++k) {
            Sample* in = inputs[k].data();
            if (sources[k] < 0) {
                std::fill_n(in, n, Sample{});
                continue;
            }
            const Sample* source = fromFile.data() + offset * fileChannels + sources[k];
            for (int j = 0; j < n; ++j)
                in[j] = source[static_cast<int64_t>(j) * fileChannels];
        }
    }

    void gather(int64_t offset, int n) {
        for (int k = 0; k < outChannels; ++k) {
            const Sample* out = outputs[static_cast<size_t>(k)].data();
            Sample* target = toFile.data() + offset * outChannels + k;
            for (int j = 0; j < n; ++j)
                target[static_cast<int64_t>(j) * outChannels] = out[j];
        }
    }

    PluginHost& host;
    SoundFileReader& reader;
    SoundFileWriter& writer;
    const int block;
    const int64_t fileFrames;
    const int fileChannels;
    const int outChannels;
    const std::vector<int> sources;
    int64_t tailLeft;
    bool inputEnded = false;
    std::vector<std::vector<Sample>> inputs, outputs;
    std::vector<Sample*> inputPointers, outputPointers;
    std::vector<Sample> fromFile, toFile;
};

template <class Sample>
RenderReport renderWith(PluginHost& host, SoundFileReader& reader, SoundFileWriter& writer,
                        const RenderSettings& settings) {
    BlockLoop<Sample> loop(host, reader, writer, settings);
    host.resume();
    const RenderReport report = loop.run(settings.progress);
    host.suspend();
    return report;
}

} // namespace

int outputChannelsFor(const PluginHost& host) {
    return std::min(host.outputs(), 2);
}

RenderReport renderAudio(PluginHost& host, SoundFileReader& reader, SoundFileWriter& writer,
                         const RenderSettings& settings) {
    if (settings.doublePrecision) return renderWith<double>(host, reader, writer, settings);
    return renderWith<float>(host, reader, writer, settings);
}

} // namespace gravelo::render
