// The audio side: one main stereo input and output that may share buffers,
// no latency and the instance's tail, and process, which splits the host's
// block at each parameter event so the change takes effect at its own frame.
#include "clap/ClapAmp.h"
#include "instance/BlockSplit.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace gravelo::clap {

namespace {

constexpr clap_id kPortId = 0;

uint32_t CLAP_ABI portCount(const clap_plugin* plugin, bool /*isInput*/) {
    return ClapAmp::from(plugin) != nullptr ? 1 : 0;
}

bool CLAP_ABI portInfo(const clap_plugin* plugin, uint32_t index, bool isInput,
                       clap_audio_port_info* info) {
    if (ClapAmp::from(plugin) == nullptr || index != 0 || info == nullptr) return false;
    *info = clap_audio_port_info{};
    info->id = kPortId;
    std::snprintf(info->name, sizeof info->name, "%s", isInput ? "Input" : "Output");
    info->flags = CLAP_AUDIO_PORT_IS_MAIN;
    info->channel_count = 2;
    info->port_type = CLAP_PORT_STEREO;
    info->in_place_pair = kPortId;
    return true;
}

constexpr clap_plugin_audio_ports kAudioPorts = {portCount, portInfo};

uint32_t CLAP_ABI latency(const clap_plugin* /*plugin*/) {
    return instance::AmpInstance::kLatencyFrames;
}

// The tail at the rate of the last activation; none before the first.
uint32_t CLAP_ABI tail(const clap_plugin* plugin) {
    const ClapAmp* self = ClapAmp::from(plugin);
    return self != nullptr ? instance::AmpInstance::tailFrames(self->amp.sampleRate()) : 0;
}

constexpr clap_plugin_latency kLatency = {latency};
constexpr clap_plugin_tail kTail = {tail};

// The channel pointers of one side of the block: the first two channels of
// the first port, the one channel twice for a mono port; null when absent.
bool channelsOf(const clap_audio_buffer* ports, uint32_t count, float* channels[2]) {
    if (ports == nullptr || count == 0 || ports[0].data32 == nullptr || ports[0].channel_count == 0)
        return false;
    channels[0] = ports[0].data32[0];
    channels[1] = ports[0].channel_count > 1 ? ports[0].data32[1] : channels[0];
    return channels[0] != nullptr && channels[1] != nullptr;
}

} // namespace

const clap_plugin_audio_ports* audioPortsExtension() {
    return &kAudioPorts;
}

const clap_plugin_latency* latencyExtension() {
    return &kLatency;
}

const clap_plugin_tail* tailExtension() {
    return &kTail;
}

clap_process_status processBlock(ClapAmp& self, const clap_process& block) {
    const uint32_t frames = block.frames_count;
    float* out[2] = {};
    float* in[2] = {};
    const bool haveOutput = channelsOf(block.audio_outputs, block.audio_outputs_count, out);
    if (haveOutput && !channelsOf(block.audio_inputs, block.audio_inputs_count, in)) {
        // No input: silence in, processed in place in the outputs.
        std::fill(out[0], out[0] + frames, 0.0f);
        std::fill(out[1], out[1] + frames, 0.0f);
        in[0] = out[0];
        in[1] = out[1];
    }

    const clap_input_events* events = block.in_events;
    const uint32_t eventCount =
        events != nullptr && events->size != nullptr && events->get != nullptr
            ? events->size(events)
            : 0;
    uint32_t read = 0;
    auto nextChange = [&](instance::ControlChange& change) {
        while (read < eventCount) {
            const clap_event_header* event = events->get(events, read++);
            if (ClapAmp::controlChange(event, change.control, change.value)) {
                change.frame = event->time;
                return true;
            }
        }
        return false;
    };
    instance::processInPieces(self.amp, in, haveOutput ? out : nullptr, frames, nextChange);

    self.sendEditorRecords(block.out_events);
    return CLAP_PROCESS_CONTINUE;
}

} // namespace gravelo::clap
