#include "TestHost.h"

#include <algorithm>
#include <cstring>
#include <dlfcn.h>

namespace testhost {

namespace {
// The host an instance belongs to while its entry runs (before `user` is set).
thread_local Host* constructingHost = nullptr;
} // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::load(const std::string& path, std::string* error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        if (error != nullptr) *error = dlerror();
        return nullptr;
    }
    return std::unique_ptr<PluginLibrary>(new PluginLibrary(handle, path));
}

PluginLibrary::~PluginLibrary() {
    dlclose(handle);
}

EntryFunction PluginLibrary::entry(const char* name) const {
    return reinterpret_cast<EntryFunction>(dlsym(handle, name));
}

Host::Host() = default;

Host::~Host() {
    if (plugin != nullptr) close();
}

bool Host::create(EntryFunction entry) {
    constructingHost = this;
    plugin = entry != nullptr ? entry(&Host::callback) : nullptr;
    constructingHost = nullptr;
    if (plugin != nullptr) plugin->user = this;
    return plugin != nullptr;
}

VstIntPtr Host::callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                         void* ptr, float opt) {
    Host* host = effect != nullptr && effect->user != nullptr ? static_cast<Host*>(effect->user)
                                                              : constructingHost;
    return host != nullptr ? host->answer(effect, opcode, index, value, ptr, opt) : 0;
}

VstIntPtr Host::answer(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                       float opt) {
    const HostCall call{effect, opcode, index, value, opt};
    calls.push_back(call);
    if (onCall) onCall(call);
    switch (opcode) {
    case audioMasterVersion:
        return versionAnswer;
    case audioMasterGetTime:
        return timeInfo ? reinterpret_cast<VstIntPtr>(&*timeInfo) : 0;
    case audioMasterGetVendorString:
        if (ptr != nullptr) std::strcpy(static_cast<char*>(ptr), "Gravelo test host");
        return 1;
    case audioMasterGetProductString:
        if (ptr != nullptr) std::strcpy(static_cast<char*>(ptr), "testhost");
        return 1;
    case audioMasterGetVendorVersion:
        return 1;
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
    char buffer[256] = {};
    dispatch(opcode, index, 0, buffer);
    return buffer;
}

void Host::start(float sampleRate, VstInt32 blockSize) {
    dispatch(effOpen);
    dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate);
    dispatch(effSetBlockSize, 0, blockSize);
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
    return dispatch(effSetChunk, preset ? 1 : 0, static_cast<VstIntPtr>(size),
                    const_cast<void*>(data));
}

namespace {
template <class Sample>
void processWith(AEffect* plugin, std::vector<std::vector<Sample>>& inputs,
                 std::vector<std::vector<Sample>>& outputs,
                 void (*process)(AEffect*, Sample**, Sample**, VstInt32)) {
    std::vector<Sample*> in, out;
    for (auto& channel : inputs)
        in.push_back(channel.data());
    for (auto& channel : outputs)
        out.push_back(channel.data());
    const size_t frames = inputs.empty() ? 0 : inputs[0].size();
    process(plugin, in.data(), out.data(), static_cast<VstInt32>(frames));
}
} // namespace

void Host::processFloat(std::vector<std::vector<float>>& inputs,
                        std::vector<std::vector<float>>& outputs) {
    processWith(plugin, inputs, outputs, plugin->processReplacing);
}

void Host::processDouble(std::vector<std::vector<double>>& inputs,
                         std::vector<std::vector<double>>& outputs) {
    processWith(plugin, inputs, outputs, plugin->processDoubleReplacing);
}

std::string builtPluginPath() {
#ifdef GRAVELO_PLUGIN_PATH
    return GRAVELO_PLUGIN_PATH;
#else
    return "Gravelo.so";
#endif
}

} // namespace testhost
