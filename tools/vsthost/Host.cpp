#include "Host.h"

#include <algorithm>
#include <cstring>

namespace gravelo::vsthost {

namespace {

// The host an instance belongs to while its entry runs: plug-ins call the
// host before the entry has returned the record that would lead back to it.
thread_local Host* constructingHost = nullptr;

constexpr VstIntPtr kEnglish = 1;

void copyText(void* destination, const std::string& text, size_t capacity) {
    if (destination == nullptr) return;
    const size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(destination, text.data(), length);
    static_cast<char*>(destination)[length] = '\0';
}

} // namespace

Host::~Host() {
    if (plugin != nullptr) close();
}

bool Host::create(const Maker& make) {
    constructingHost = this;
    plugin = make ? make(&Host::callback) : nullptr;
    constructingHost = nullptr;
    if (plugin != nullptr) plugin->user = this;
    return plugin != nullptr;
}

VstIntPtr Host::callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                         void* ptr, float opt) {
    Host* host = effect != nullptr && effect->user != nullptr ? static_cast<Host*>(effect->user)
                                                              : constructingHost;
    if (host == nullptr) return opcode == audioMasterVersion ? kVstVersion : 0;
    return host->answer(HostCall{effect, opcode, index, value, opt}, ptr);
}

VstIntPtr Host::answer(const HostCall& call, void* ptr) {
    if (recording) calls.push_back(call);
    if (onCall) onCall(call);
    switch (call.opcode) {
    case audioMasterVersion:
        return versionAnswer;
    case audioMasterGetTime:
        return timeInfo ? reinterpret_cast<VstIntPtr>(&*timeInfo) : 0;
    case audioMasterGetSampleRate:
        return static_cast<VstIntPtr>(rate);
    case audioMasterGetBlockSize:
        return maxBlock;
    case audioMasterGetVendorString:
        copyText(ptr, identity.vendor, kVstMaxVendorStrLen);
        return 1;
    case audioMasterGetProductString:
        copyText(ptr, identity.product, kVstMaxProductStrLen);
        return 1;
    case audioMasterGetVendorVersion:
        return identity.vendorVersion;
    case audioMasterGetLanguage:
        return kEnglish;
    case audioMasterWantMidi:
    case audioMasterProcessEvents:
        return 1;
    default:
        return 0;
    }
}

size_t Host::countCalls(VstInt32 opcode) const {
    return static_cast<size_t>(std::count_if(
        calls.begin(), calls.end(), [&](const HostCall& c) { return c.opcode == opcode; }));
}

VstIntPtr Host::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
    return plugin->dispatcher(plugin, opcode, index, value, ptr, opt);
}

std::string Host::text(VstInt32 opcode, VstInt32 index) {
    // Plug-ins write past the nominal 8 or 24 bytes; hosts give plenty.
    char buffer[512] = {};
    dispatch(opcode, index, 0, buffer);
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}

void Host::open(double sampleRate, VstInt32 blockSize) {
    rate = sampleRate;
    maxBlock = blockSize;
    dispatch(effOpen);
    dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
    dispatch(effSetBlockSize, 0, blockSize);
}

void Host::start(double sampleRate, VstInt32 blockSize) {
    open(sampleRate, blockSize);
    dispatch(effMainsChanged, 0, 1);
}

VstIntPtr Host::close() {
    const VstIntPtr answer = dispatch(effClose);
    plugin = nullptr;
    return answer;
}

std::vector<uint8_t> Host::getChunk(bool preset) {
    void* data = nullptr;
    const VstIntPtr size = dispatch(effGetChunk, preset ? 1 : 0, 0, &data);
    if (size <= 0 || data == nullptr) return {};
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

VstIntPtr Host::setChunk(const void* data, size_t size, bool preset) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    std::vector<uint8_t> copy(bytes, bytes + size);
    return dispatch(effSetChunk, preset ? 1 : 0, static_cast<VstIntPtr>(size), copy.data());
}

void Host::process(float** inputs, float** outputs, VstInt32 frames) {
    if (plugin->processReplacing != nullptr && (plugin->flags & effFlagsCanReplacing) != 0) {
        plugin->processReplacing(plugin, inputs, outputs, frames);
        return;
    }
    // The old accumulating call adds into what the outputs hold.
    for (VstInt32 channel = 0; channel < plugin->numOutputs; ++channel)
        std::fill_n(outputs[channel], frames, 0.0f);
    plugin->process(plugin, inputs, outputs, frames);
}

void Host::process(double** inputs, double** outputs, VstInt32 frames) {
    plugin->processDoubleReplacing(plugin, inputs, outputs, frames);
}

} // namespace gravelo::vsthost
