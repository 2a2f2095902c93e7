#include "Lv2Amp.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <lv2/atom/atom.h>

namespace gravelo::lv2 {

namespace {

// The effect's own record of the host's block size; the sound does not
// depend on it, and LV2 hosts need not say it.
constexpr uint32_t kNominalBlock = 4096;

} // namespace

std::unique_ptr<Lv2Amp> Lv2Amp::create(double sampleRate, const LV2_Feature* const* features) {
    if (!instance::AmpInstance::acceptsSampleRate(sampleRate)) {
        char text[96];
        std::snprintf(text, sizeof text, "a sample rate of %g Hz is refused", sampleRate);
        HostFeatures(features).error(text);
        return nullptr;
    }
    std::unique_ptr<Lv2Amp> instance(new Lv2Amp(sampleRate, features));
    if (instance->host.map() == nullptr)
        instance->host.note("the host offers no URID map: the state cannot be saved or restored; "
                            "the controls work as ever");
    return instance;
}

Lv2Amp::Lv2Amp(double sampleRate, const LV2_Feature* const* features)
    : host(features), rate(sampleRate), chunkKey(host.urid(kStateChunkUri)),
      chunkType(host.urid(LV2_ATOM__Chunk)) {}

void Lv2Amp::connect(uint32_t port, void* data) {
    if (port < kPortCount) ports[port] = static_cast<float*>(data);
}

void Lv2Amp::activate() {
    amp.activate(rate, kNominalBlock);
    lamp = 0.0;
}

void Lv2Amp::deactivate() {
    amp.deactivate();
}

void Lv2Amp::run(uint32_t frames) {
    takeControls();
    processAudio(frames);
    showMeters(frames);
}

// A value that is NaN or infinite is refused by the amplifier, and taken
// only in the sense that it is not read again until it changes.
void Lv2Amp::takeControls() {
    for (uint32_t c = 0; c < kControlPorts; ++c) {
        const float* port = ports[kFirstControl + c];
        if (port == nullptr) continue;
        const float value = *port;
        const uint32_t bits = std::bit_cast<uint32_t>(value);
        if (taken[c] && takenBits[c] == bits) continue;
        taken[c] = true;
        takenBits[c] = bits;
        amp.setControl(static_cast<int>(c), value);
    }
}

// The right input is optional and not used. An output the host left out
// shares the other's buffer (both carry the same result); a missing left
// input is silence.
void Lv2Amp::processAudio(uint32_t frames) {
    float* left = ports[kOutputLeft] != nullptr ? ports[kOutputLeft] : ports[kOutputRight];
    float* right = ports[kOutputRight] != nullptr ? ports[kOutputRight] : left;
    const float* in = ports[kInputLeft];
    if (left == nullptr) return;
    if (in == nullptr) {
        std::fill_n(left, frames, 0.0f);
        in = left;
    }
    const float* const inputs[2] = {in, ports[kInputRight] != nullptr ? ports[kInputRight] : in};
    float* const outputs[2] = {left, right};
    amp.process(inputs, outputs, frames);
}

void Lv2Amp::showMeters(uint32_t frames) {
    for (uint32_t m = 0; m < kMeterCount; ++m)
        if (float* port = ports[kFirstMeter + m])
            *port = static_cast<float>(amp.meterGain(static_cast<int>(m)));
    const double faded = lamp - kLampFadePerSecond * static_cast<double>(frames) / rate;
    lamp = std::clamp(std::max(faded, amp.takeClipFlag()), 0.0, 1.0);
    if (float* port = ports[kLamp]) *port = static_cast<float>(lamp);
}

void Lv2Amp::markControlsTaken() {
    for (uint32_t c = 0; c < kControlPorts; ++c) {
        const float* port = ports[kFirstControl + c];
        taken[c] = port != nullptr;
        if (port != nullptr) takenBits[c] = std::bit_cast<uint32_t>(*port);
    }
}

LV2_State_Status Lv2Amp::save(LV2_State_Store_Function store, LV2_State_Handle handle) {
    if (chunkKey == 0 || chunkType == 0) {
        host.error("cannot save the state: the host offers no URID map");
        return LV2_STATE_ERR_NO_FEATURE;
    }
    const auto bytes = amp.saveState();
    return store(handle, chunkKey, bytes.data(), bytes.size(), chunkType,
                 LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE);
}

// A restore replaces the amplifier's state, and the ports as they stand then
// do not undo it: only a later change of a port moves its control again.
LV2_State_Status Lv2Amp::restore(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle) {
    if (chunkKey == 0 || chunkType == 0) {
        host.error("cannot restore the state: the host offers no URID map");
        return LV2_STATE_ERR_NO_FEATURE;
    }
    size_t size = 0;
    uint32_t type = 0, flags = 0;
    const void* value = retrieve(handle, chunkKey, &size, &type, &flags);
    // Hosts restore states that hold only port values (jalv does at start):
    // without a chunk there is nothing to restore.
    if (value == nullptr) return LV2_STATE_SUCCESS;
    if (type != chunkType) {
        host.error("the state's amplifier chunk has the wrong type; nothing restored");
        return LV2_STATE_ERR_BAD_TYPE;
    }
    if (!amp.loadState(static_cast<const uint8_t*>(value), size)) {
        host.error("the state's amplifier chunk is damaged (size, marker, or a value that is "
                   "not finite or out of range); nothing restored");
        return LV2_STATE_ERR_UNKNOWN;
    }
    markControlsTaken();
    return LV2_STATE_SUCCESS;
}

} // namespace gravelo::lv2
