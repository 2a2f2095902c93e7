// gravelo-make-demo: writes a short DI bass recording (a plucked-string
// synthesis of a bass riff, mono, 48 kHz) for trying the amplifier.
#include "Riff.h"

#include <sndfile.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kSampleRate = 48000;
// A DI signal with headroom, as an interface records it.
constexpr float kPeak = 0.5f;

int usage() {
    std::fputs("usage: gravelo-make-demo [--length SECONDS] OUTPUT.wav\n"
               "Writes a DI bass riff (about 14 s; repeated to fill a longer --length), mono, 48 "
               "kHz, 24-bit WAV.\n",
               stderr);
    return 2;
}

bool write(const std::string& path, const std::vector<float>& samples) {
    SF_INFO info{};
    info.samplerate = kSampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_24;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        std::fprintf(stderr, "gravelo-make-demo: cannot write '%s': %s\n", path.c_str(),
                     sf_strerror(nullptr));
        return false;
    }
    const auto frames = static_cast<sf_count_t>(samples.size());
    const bool complete = sf_writef_float(file, samples.data(), frames) == frames;
    sf_close(file);
    if (!complete) {
        std::fprintf(stderr, "gravelo-make-demo: cannot write '%s'\n", path.c_str());
        std::remove(path.c_str());
    }
    return complete;
}

} // namespace

int main(int argc, char** argv) {
    double seconds = 0.0;
    std::string output;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--length") == 0 && i + 1 < argc) {
            char* end = nullptr;
            seconds = std::strtod(argv[++i], &end);
            if (*end != '\0' || !(seconds >= 0.0 && seconds <= 24 * 3600.0)) return usage();
        } else if (argv[i][0] == '-' || !output.empty()) {
            return usage();
        } else {
            output = argv[i];
        }
    }
    if (output.empty()) return usage();
    return write(output, gravelo::demo::perform(kSampleRate, seconds, kPeak)) ? 0 : 1;
}
