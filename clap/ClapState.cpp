// The state as the 260-byte chunk, through host streams that may move any
// number of bytes per call.
#include "clap/ClapAmp.h"

namespace gravelo::clap {

namespace {

using instance::AmpInstance;

bool CLAP_ABI save(const clap_plugin* plugin, const clap_ostream* stream) {
    ClapAmp* self = ClapAmp::from(plugin);
    if (self == nullptr || stream == nullptr || stream->write == nullptr) return false;
    const auto bytes = self->amp.saveState();
    size_t done = 0;
    while (done < bytes.size()) {
        const int64_t wrote = stream->write(stream, bytes.data() + done, bytes.size() - done);
        // An error, no progress or more than was offered: give up.
        if (wrote <= 0 || static_cast<uint64_t>(wrote) > bytes.size() - done) return false;
        done += static_cast<size_t>(wrote);
    }
    return true;
}

bool CLAP_ABI load(const clap_plugin* plugin, const clap_istream* stream) {
    ClapAmp* self = ClapAmp::from(plugin);
    if (self == nullptr || stream == nullptr || stream->read == nullptr) return false;
    // One byte more than a state holds, so a longer stream is seen and refused.
    uint8_t bytes[AmpInstance::kStateBytes + 1];
    size_t done = 0;
    while (done < sizeof bytes) {
        const int64_t got = stream->read(stream, bytes + done, sizeof bytes - done);
        if (got <= 0 || static_cast<uint64_t>(got) > sizeof bytes - done) break;
        done += static_cast<size_t>(got);
    }
    if (!self->amp.loadState(bytes, done)) return false;
    const clap_host_params* params = self->hostExtensions.params;
    if (params != nullptr && params->rescan != nullptr)
        params->rescan(self->host, CLAP_PARAM_RESCAN_VALUES);
    return true;
}

constexpr clap_plugin_state kState = {save, load};

} // namespace

const clap_plugin_state* stateExtension() {
    return &kState;
}

} // namespace gravelo::clap
