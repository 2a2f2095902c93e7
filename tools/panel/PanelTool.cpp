// Writes a picture of the amplifier's panel without any display:
//   gravelo-panel [--scale S] [--chunk FILE] [--preset FILE.fxp] [--audio SECONDS] OUT.png
// The state comes from a raw chunk or a preset; a few seconds of a test
// signal make the meters move. --scale draws the panel at a content scale
// (1 .. 3; 600 x 284 times S pixels).
#include "PanelPicture.h"
#include "effect/Identity.h"
#include "effect/TVobrixEffect.h"
#include "programs/PresetFile.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

bool readFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes.assign(std::istreambuf_iterator<char>(file), {});
    return true;
}

// A plucked low E with its decay, loud enough to move the levelers.
std::vector<float> testSignal(double seconds, double sampleRate) {
    std::vector<float> samples(static_cast<size_t>(seconds * sampleRate));
    for (size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double phase = std::fmod(t, 0.5);
        samples[i] =
            static_cast<float>(0.6 * std::exp(-4.0 * phase) * std::sin(2 * M_PI * 41.2 * t) +
                               0.2 * std::exp(-9.0 * phase) * std::sin(2 * M_PI * 123.6 * t));
    }
    return samples;
}

constexpr const char* kUsage = R"(Usage: gravelo-panel [options] OUT.png

Draws the panel of the Gravelo amplifier into a PNG file, without a display.

  --scale S            content scale from 1 to 3 (600 x 284 times S pixels)
  --chunk FILE         the state from a raw chunk (260 bytes)
  --preset FILE.fxp    the state from a preset file
  --audio SECONDS      seconds of a plucked test note before the picture, so
                       the meters move (default 2)
  --help, --version
)";

int fail(const std::string& message) {
    std::fprintf(stderr, "gravelo-panel: %s\n", message.c_str());
    return 1;
}

bool loadState(PanelPicture& picture, const std::string& option, const std::string& path,
               std::string& error) {
    std::vector<uint8_t> bytes;
    if (!readFile(path, bytes)) return error = "cannot read " + path, false;
    if (option == "--preset") {
        gravelo::render::presetfile::ParseResult parsed =
            gravelo::render::presetfile::parsePreset(bytes);
        if (!parsed.ok) return error = path + ": " + parsed.error, false;
        if (parsed.preset.pluginId != static_cast<int32_t>(TVobrixEffect::kUniqueId))
            return error = path + " is a preset for another plug-in", false;
        if (parsed.preset.kind != gravelo::render::presetfile::PresetKind::ProgramChunk)
            return error = path + ": not a chunk preset", false;
        bytes = parsed.preset.chunk;
    }
    AEffect& e = picture.record();
    e.dispatcher(&e, effSetChunk, 1, static_cast<VstIntPtr>(bytes.size()), bytes.data(), 0.0f);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::printf("gravelo-panel %s\n", gravelo::identity::kVersion);
        return 0;
    }
    if (args.empty() || args.back().rfind("--", 0) == 0)
        return fail("usage: gravelo-panel [--scale S] [--chunk FILE] [--preset FILE.fxp] "
                    "[--audio SECONDS] OUT.png");
    // The scale is known before the picture is made; the other options act on it.
    double scale = 1.0;
    for (size_t i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] != "--scale") continue;
        char* end = nullptr;
        scale = std::strtod(args[i + 1].c_str(), &end);
        if (end == args[i + 1].c_str() || *end != '\0' || !(scale >= 1.0 && scale <= 3.0))
            return fail("--scale takes a number from 1 to 3, not " + args[i + 1]);
    }
    PanelPicture picture(48000.0, scale);
    double seconds = 2.0;
    for (size_t i = 0; i + 1 < args.size(); i += 2) {
        std::string error;
        if (args[i] == "--scale") {
            continue;
        } else if (args[i] == "--audio") {
            seconds = std::atof(args[i + 1].c_str());
        } else if (args[i] == "--chunk" || args[i] == "--preset") {
            if (!loadState(picture, args[i], args[i + 1], error)) return fail(error);
        } else {
            return fail("unknown option " + args[i]);
        }
    }
    picture.drawFrame(); // the knobs take their values and the first meters settle
    picture.process(testSignal(seconds, 48000.0));
    picture.drawFrame();
    if (!picture.writePng(args.back())) return fail("cannot write " + args.back());
    std::printf("%s\n", args.back().c_str());
    return 0;
}
