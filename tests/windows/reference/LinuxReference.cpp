// The Linux side of the audio comparison: renders the fixed scenario and
// each setting to compare through the Linux plug-in and compares them with
// the renders the Windows DLL produced under Wine. The chain computes the
// same bits on every platform, so every sample must be identical.
//   gravelo-audio-reference <Gravelo.so> <windows-render.f32>
//   gravelo-audio-reference --bench <Gravelo.so>   (speed, scripts/windows-bench.sh)
#include "../AudioScenario.h"
#include "vsthost/PluginLibrary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace {

// 0 when the Windows render at path equals the Linux one sample for sample.
int compare(const char* what, const std::string& path, const std::function<void(AEffect*)>& prepare,
            gravelo::vsthost::EntryFunction entry) {
    std::vector<float> windows;
    gravelo::vsthost::Host host;
    if (!host.create(entry) || !gravelo::test::scenario::readFloats(path, windows)) {
        std::printf("audio %s: cannot read %s\n", what, path.c_str());
        return 1;
    }
    prepare(host.effect());
    const std::vector<float> native =
        gravelo::test::scenario::renderFloat(host.effect(), gravelo::test::scenario::fixedInput());
    host.close();
    if (native.size() != windows.size()) {
        std::printf("audio %s: %zu samples from Windows, %zu from Linux\n", what, windows.size(),
                    native.size());
        return 1;
    }
    double worst = 0;
    size_t differing = 0;
    for (size_t i = 0; i < native.size(); ++i) {
        worst = std::max(worst, std::fabs(double(native[i]) - double(windows[i])));
        differing += native[i] != windows[i];
    }
    std::printf("audio %-8s %zu samples, %zu differ, largest difference %.3g\n", what,
                native.size(), differing, worst);
    return differing == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--bench") {
        const auto library = gravelo::vsthost::PluginLibrary::load(argv[2]);
        if (!library) return 2;
        std::vector<std::unique_ptr<gravelo::vsthost::Host>> hosts;
        gravelo::test::scenario::reportSpeeds(
            "linux",
            [&] {
                hosts.push_back(std::make_unique<gravelo::vsthost::Host>());
                return hosts.back()->create(library->entry()) ? hosts.back()->effect() : nullptr;
            },
            [&](AEffect*) { hosts.back()->close(); });
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <Gravelo.so> <windows-render.f32>\n", argv[0]);
        return 2;
    }
    const auto library = gravelo::vsthost::PluginLibrary::load(argv[1]);
    if (!library) {
        std::fprintf(stderr, "cannot load %s\n", argv[1]);
        return 2;
    }
    int failed = compare(
        "scenario", argv[2], [](AEffect* e) { gravelo::test::scenario::prepare(e); },
        library->entry());
    for (const gravelo::test::scenario::Setting& setting :
         gravelo::test::scenario::kSettingsToCompare)
        failed += compare(
            setting.name, gravelo::test::scenario::settingPath(argv[2], setting),
            [&setting](AEffect* e) { gravelo::test::scenario::prepare(e, setting); },
            library->entry());
    return failed == 0 ? 0 : 1;
}
