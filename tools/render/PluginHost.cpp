#include "PluginHost.h"

#include "RenderError.h"

#include <algorithm>
#include <cstring>
#include <dlfcn.h>

namespace render {

namespace {

// The instance whose entry is running: plug-ins call the host before the
// entry has returned the record that would lead back to us.
thread_local PluginHost* constructing = nullptr;

constexpr VstIntPtr kProcessPrecision32 = 0;
constexpr VstIntPtr kProcessPrecision64 = 1;
constexpr double kTempo = 120.0;

using EntryFunction = AEffect* (*)(audioMasterCallback);

void copyText(void* destination, const char* text, size_t capacity) {
    if (destination == nullptr) return;
    std::strncpy(static_cast<char*>(destination), text, capacity - 1);
    static_cast<char*>(destination)[capacity - 1] = '\0';
}

} // namespace

SharedLibrary::SharedLibrary(const std::string& path) {
    // One render is one process: the library stays mapped until the process
    // ends, so what a plug-in builds once per process (tables, caches) stays
    // its own until exit instead of being cut off by an unload.
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (handle == nullptr) {
        const char* why = dlerror();
        throw RenderError("cannot load plug-in '" + path +
                          "': " + (why != nullptr ? why : "unknown error"));
    }
}

SharedLibrary::~SharedLibrary() {
    dlclose(handle);
}

void* SharedLibrary::ownSymbol(const char* name) const {
    void* symbol = dlsym(handle, name);
    if (symbol == nullptr) return nullptr;
    // A library without the entry can still resolve "main" through the
    // objects it depends on; only a function of its own is an entry.
    Dl_info symbolInfo{}, libraryInfo{};
    void* probe = dlsym(handle, "VSTPluginMain");
    if (probe == nullptr || probe == symbol) return symbol;
    if (dladdr(symbol, &symbolInfo) == 0 || dladdr(probe, &libraryInfo) == 0) return symbol;
    return symbolInfo.dli_fbase == libraryInfo.dli_fbase ? symbol : nullptr;
}

PluginHost::PluginHost(const std::string& path)
    : libraryPath(path), library(std::make_unique<SharedLibrary>(path)) {
    create();
}

PluginHost::~PluginHost() {
    if (plugin == nullptr) return;
    if (running) suspend();
    dispatch(effClose);
    plugin = nullptr;
}

void PluginHost::create() {
    void* entry = library->ownSymbol("VSTPluginMain");
    if (entry == nullptr) entry = library->ownSymbol("main");
    if (entry == nullptr)
        throw RenderError("'" + libraryPath +
                          "' is not a VST 2.x plug-in: it has no VSTPluginMain or main entry");
    constructing = this;
    AEffect* created = reinterpret_cast<EntryFunction>(entry)(&PluginHost::callback);
    constructing = nullptr;
    if (created == nullptr)
        throw RenderError("plug-in '" + libraryPath + "' gave no effect instance");
    if (created->magic != kEffectMagic)
        throw RenderError(
            "'" + libraryPath +
            "' is not a VST 2.x plug-in: its effect record has the wrong magic number");
    plugin = created;
    plugin->user = this;
    if (plugin->processReplacing == nullptr && plugin->process == nullptr) {
        dispatch(effClose);
        plugin = nullptr;
        throw RenderError("plug-in '" + libraryPath + "' has no audio processing function");
    }
    if (plugin->numInputs < 1 || (plugin->flags & effFlagsIsSynth) != 0 || plugin->numOutputs < 1) {
        dispatch(effClose);
        plugin = nullptr;
        throw RenderError("plug-in '" + libraryPath + "' is not an audio effect (it has " +
                          std::to_string(created->numInputs) + " inputs and " +
                          std::to_string(created->numOutputs) + " outputs" +
                          ((created->flags & effFlagsIsSynth) != 0 ? ", an instrument" : "") + ")");
    }
}

VstIntPtr PluginHost::callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                               void* ptr, float opt) {
    PluginHost* host = effect != nullptr && effect->user != nullptr
                           ? static_cast<PluginHost*>(effect->user)
                           : constructing;
    if (host == nullptr) return opcode == audioMasterVersion ? kVstVersion : 0;
    return host->answer(opcode, index, value, ptr, opt);
}

VstIntPtr PluginHost::answer(VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) {
    switch (opcode) {
    case audioMasterVersion:
        return kVstVersion;
    case audioMasterGetTime:
        return reinterpret_cast<VstIntPtr>(&time);
    case audioMasterGetSampleRate:
        return static_cast<VstIntPtr>(rate);
    case audioMasterGetBlockSize:
        return maxBlock;
    case audioMasterGetVendorString:
        copyText(ptr, "Gravelo", kVstMaxVendorStrLen);
        return 1;
    case audioMasterGetProductString:
        copyText(ptr, "gravelo-render", kVstMaxProductStrLen);
        return 1;
    case audioMasterGetVendorVersion:
        return 1000;
    case audioMasterGetLanguage:
        return 1; // English
    case audioMasterWantMidi:
        return 1;
    default:
        return 0;
    }
}

VstIntPtr PluginHost::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                               float opt) {
    return plugin->dispatcher(plugin, opcode, index, value, ptr, opt);
}

std::string PluginHost::text(VstInt32 opcode, VstInt32 index) {
    // Plug-ins write past the nominal 8 or 24 bytes; hosts give plenty.
    char buffer[512] = {};
    dispatch(opcode, index, 0, buffer);
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}

void PluginHost::open(double sampleRate, int blockSize, bool doublePrecision) {
    rate = sampleRate;
    maxBlock = blockSize;
    time = VstTimeInfo{};
    time.sampleRate = rate;
    time.tempo = kTempo;
    time.timeSigNumerator = 4;
    time.timeSigDenominator = 4;
    time.flags =
        kVstTransportPlaying | kVstTempoValid | kVstTimeSigValid | kVstPpqPosValid | kVstBarsValid;
    dispatch(effOpen);
    opened = true;
    dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(rate));
    dispatch(effSetBlockSize, 0, blockSize);
    dispatch(effSetProcessPrecision, 0,
             doublePrecision ? kProcessPrecision64 : kProcessPrecision32);
}

void PluginHost::resume() {
    dispatch(effMainsChanged, 0, 1);
    dispatch(effStartProcess);
    running = true;
}

void PluginHost::suspend() {
    dispatch(effStopProcess);
    dispatch(effMainsChanged, 0, 0);
    running = false;
}

std::vector<uint8_t> PluginHost::chunk(bool program) {
    void* data = nullptr;
    const VstIntPtr size = dispatch(effGetChunk, program ? 1 : 0, 0, &data);
    if (size <= 0 || data == nullptr) return {};
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

void PluginHost::setChunk(const std::vector<uint8_t>& data, bool program) {
    std::vector<uint8_t> copy = data; // the plug-in may keep or alter what it gets
    dispatch(effSetChunk, program ? 1 : 0, static_cast<VstIntPtr>(copy.size()), copy.data());
}

void PluginHost::process(float** inputs, float** outputs, int frames) {
    if (plugin->processReplacing != nullptr && (plugin->flags & effFlagsCanReplacing) != 0) {
        plugin->processReplacing(plugin, inputs, outputs, frames);
    } else {
        // The old accumulating call adds into what the outputs hold.
        for (int channel = 0; channel < plugin->numOutputs; ++channel)
            std::fill_n(outputs[channel], frames, 0.0f);
        plugin->process(plugin, inputs, outputs, frames);
    }
    advanceTime(frames);
}

void PluginHost::process(double** inputs, double** outputs, int frames) {
    plugin->processDoubleReplacing(plugin, inputs, outputs, frames);
    advanceTime(frames);
}

void PluginHost::advanceTime(int frames) {
    time.samplePos += frames;
    const double quarters = time.samplePos / rate * kTempo / 60.0;
    time.ppqPos = quarters;
    time.barStartPos = static_cast<double>(static_cast<long long>(quarters / 4.0)) * 4.0;
}

} // namespace render
