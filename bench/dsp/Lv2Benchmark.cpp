// The LV2 DSP binary of Gravelo.lv2, loaded as LV2 hosts load it, at the same
// settings, block size and bass note as the VST 2.x plug-in beside it: the
// two shells should cost the same.
#include "BenchSignal.h"
#include "lv2/Ports.h"

#include <array>
#include <dlfcn.h>
#include <lv2/core/lv2.h>
#include <stdexcept>

namespace {

using namespace gravelo::lv2;

class Lv2Instance {
  public:
    explicit Lv2Instance(const double (&sliders)[10]) : library(dlopen(GRAVELO_LV2_DSP, RTLD_NOW)) {
        const auto entry = library != nullptr
                               ? reinterpret_cast<const LV2_Descriptor* (*)(uint32_t)>(
                                     dlsym(library, "lv2_descriptor"))
                               : nullptr;
        descriptor = entry != nullptr ? entry(0) : nullptr;
        handle = descriptor != nullptr
                     ? descriptor->instantiate(descriptor, kRate, GRAVELO_LV2_BUNDLE, nullptr)
                     : nullptr;
        if (handle == nullptr) throw std::runtime_error("the LV2 plug-in did not load");
        for (uint32_t c = 0; c < kControlPorts; ++c)
            ports[kFirstControl + c] = static_cast<float>(sliders[c + 1]);
        float* audio[4] = {in.data(), in.data(), outLeft.data(), outRight.data()};
        for (uint32_t p = 0; p < kPortCount; ++p)
            descriptor->connect_port(handle, p, p < 4 ? audio[p] : &ports[p]);
        descriptor->activate(handle);
    }
    ~Lv2Instance() {
        descriptor->deactivate(handle);
        descriptor->cleanup(handle);
        dlclose(library);
    }
    void run() { descriptor->run(handle, kBlock); }

    std::array<float, kBlock> in{}, outLeft{}, outRight{};

  private:
    void* library;
    const LV2_Descriptor* descriptor = nullptr;
    LV2_Handle handle = nullptr;
    std::array<float, kPortCount> ports{};
};

void processLv2(benchmark::State& state, const double (&sliders)[10]) {
    Lv2Instance instance(sliders);
    playBassNote(state, instance);
}

void Lv2PluginDefault(benchmark::State& s) {
    processLv2(s, kDefault);
}
void Lv2PluginWorstCase(benchmark::State& s) {
    processLv2(s, kWorstCase);
}

} // namespace

BENCHMARK(Lv2PluginDefault);
BENCHMARK(Lv2PluginWorstCase);
