#include "support/LinkedEntries.h"

#include "vst3/Vst3Interface.h"
#include "vsthost/InProcess.h"

#include <cmath>
#include <cstdlib>

extern "C" const clap_plugin_entry clap_entry;
extern "C" gravelo::vst3::api::IPluginFactory* VST3_API GetPluginFactory();

namespace gravelo::fuzz {

const test::routes::Entries& linkedEntries() {
    static const test::routes::Entries entries{
        vsthost::createAmplifier,
        &clap_entry,
        [] { return static_cast<void*>(GetPluginFactory()); },
    };
    return entries;
}

void processAndCheck(test::routes::Route& route, uint32_t frames) {
    std::vector<float> input(frames), left(frames);
    for (uint32_t i = 0; i < frames; ++i)
        input[i] = 0.5f * std::sin(0.05f * static_cast<float>(i));
    route.process(input.data(), left.data(), frames);
    for (float v : left)
        if (!std::isfinite(v)) std::abort();
}

} // namespace gravelo::fuzz
