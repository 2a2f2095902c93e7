// The Linux side of the audio comparison: renders the fixed scenario
// through the Linux plug-in and compares it with the render the Windows
// DLL produced under Wine.
//   gravelo-audio-reference <Gravelo.so> <windows-render.f32>
#include "../AudioScenario.h"
#include "vsthost/PluginLibrary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <Gravelo.so> <windows-render.f32>\n", argv[0]);
        return 2;
    }
    const auto library = vsthost::PluginLibrary::load(argv[1]);
    vsthost::Host host;
    std::vector<float> windows;
    if (!library || !host.create(library->entry()) ||
        !audio_scenario::readFloats(argv[2], windows)) {
        std::fprintf(stderr, "cannot load %s or read %s\n", argv[1], argv[2]);
        return 2;
    }
    audio_scenario::prepare(host.effect());
    const std::vector<float> native =
        audio_scenario::renderFloat(host.effect(), audio_scenario::fixedInput());
    host.close();
    if (native.size() != windows.size()) {
        std::printf("audio: %zu samples from Windows, %zu from Linux\n", windows.size(),
                    native.size());
        return 1;
    }
    // Float rounding: a few units in the last place of the signal's scale.
    double peak = 0, worst = 0;
    size_t equal = 0;
    for (size_t i = 0; i < native.size(); ++i) {
        peak = std::max(peak, double(std::fabs(native[i])));
        worst = std::max(worst, std::fabs(double(native[i]) - double(windows[i])));
        equal += native[i] == windows[i];
    }
    const double tolerance = 4.0 * 1.1920929e-7 * std::max(1.0, peak);
    std::printf("audio: %zu samples, %zu bit-identical, largest difference %.3g (peak %.3f, "
                "tolerance %.3g)\n",
                native.size(), equal, worst, peak, tolerance);
    return worst <= tolerance ? 0 : 1;
}
