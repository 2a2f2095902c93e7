// The library's one export, clap_entry, and the factory with the one
// plug-in it makes. Nothing here holds state: init has no work to do, so
// repeated or nested init/deinit pairs are harmless.
#include "clap/ClapAmp.h"
#include "effect/Identity.h"

#include <cstring>

namespace gravelo::clap {

namespace {

constexpr const char* kFeatures[] = {"audio-effect", "distortion", "compressor",
                                     "equalizer",    "stereo",     nullptr};

constexpr clap_plugin_descriptor kDescriptor = {
    kClapVersion, ClapAmp::kId, identity::kEffectName, identity::kVendor,      "",
    "",           "",           identity::kVersion,    identity::kDescription, kFeatures,
};

uint32_t CLAP_ABI pluginCount(const clap_plugin_factory* /*factory*/) {
    return 1;
}

const clap_plugin_descriptor* CLAP_ABI pluginDescriptor(const clap_plugin_factory* /*factory*/,
                                                        uint32_t index) {
    return index == 0 ? &kDescriptor : nullptr;
}

const clap_plugin* CLAP_ABI createPlugin(const clap_plugin_factory* /*factory*/,
                                         const clap_host* host, const char* id) {
    if (id == nullptr || std::strcmp(id, ClapAmp::kId) != 0) return nullptr;
    return ClapAmp::create(host);
}

constexpr clap_plugin_factory kFactory = {pluginCount, pluginDescriptor, createPlugin};

bool CLAP_ABI initLibrary(const char* /*path*/) {
    return true;
}

void CLAP_ABI deinitLibrary() {}

const void* CLAP_ABI getFactory(const char* id) {
    if (id == nullptr || std::strcmp(id, CLAP_PLUGIN_FACTORY_ID) != 0) return nullptr;
    return &kFactory;
}

} // namespace

const clap_plugin_descriptor* descriptor() {
    return &kDescriptor;
}

} // namespace gravelo::clap

extern "C" CLAP_EXPORT const clap_plugin_entry clap_entry = {
    kClapVersion, gravelo::clap::initLibrary, gravelo::clap::deinitLibrary,
    gravelo::clap::getFactory};
