#include "PluginHost.h"

#include "programs/RenderError.h"

namespace gravelo::render {

namespace {

constexpr VstIntPtr kProcessPrecision32 = 0;
constexpr VstIntPtr kProcessPrecision64 = 1;
constexpr double kTempo = 120.0;

std::unique_ptr<vsthost::PluginLibrary> loadLibrary(const std::string& path) {
    // One render is one process: the library stays mapped until it ends.
    std::string why;
    auto library =
        vsthost::PluginLibrary::load(path, &why, vsthost::PluginLibrary::Unloading::never);
    if (!library) throw RenderError("cannot load plug-in '" + path + "': " + why);
    return library;
}

} // namespace

PluginHost::PluginHost(const std::string& path) : library(loadLibrary(path)) {
    host.recording = false;
    host.identity = {"Gravelo", "gravelo-render", 1000};
    create();
}

PluginHost::~PluginHost() {
    if (host.effect() != nullptr && running) suspend();
}

void PluginHost::create() {
    vsthost::EntryFunction entry = library->entry("VSTPluginMain");
    if (entry == nullptr) entry = library->entry("main");
    if (entry == nullptr)
        throw RenderError("'" + path() +
                          "' is not a VST 2.x plug-in: it has no VSTPluginMain or main entry");
    // A record that is not an effect's is never touched, not even closed.
    const AEffect* offered = nullptr;
    const bool created = host.create([&](audioMasterCallback callback) {
        AEffect* record = entry(callback);
        offered = record;
        return record != nullptr && record->magic == kEffectMagic ? record : nullptr;
    });
    if (!created && offered == nullptr)
        throw RenderError("plug-in '" + path() + "' gave no effect instance");
    if (!created)
        throw RenderError(
            "'" + path() +
            "' is not a VST 2.x plug-in: its effect record has the wrong magic number");
    const AEffect& record = effect();
    std::string refusal;
    if (record.processReplacing == nullptr && record.process == nullptr)
        refusal = "plug-in '" + path() + "' has no audio processing function";
    else if (record.numInputs < 1 || (record.flags & effFlagsIsSynth) != 0 || record.numOutputs < 1)
        refusal = "plug-in '" + path() + "' is not an audio effect (it has " +
                  std::to_string(record.numInputs) + " inputs and " +
                  std::to_string(record.numOutputs) + " outputs" +
                  ((record.flags & effFlagsIsSynth) != 0 ? ", an instrument" : "") + ")";
    if (refusal.empty()) return;
    host.close();
    throw RenderError(refusal);
}

void PluginHost::open(double sampleRate, int blockSize, bool doublePrecision) {
    VstTimeInfo time{};
    time.sampleRate = sampleRate;
    time.tempo = kTempo;
    time.timeSigNumerator = 4;
    time.timeSigDenominator = 4;
    time.flags =
        kVstTransportPlaying | kVstTempoValid | kVstTimeSigValid | kVstPpqPosValid | kVstBarsValid;
    host.timeInfo = time;
    host.open(sampleRate, blockSize);
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

void PluginHost::process(float** inputs, float** outputs, int frames) {
    host.process(inputs, outputs, frames);
    advanceTime(frames);
}

void PluginHost::process(double** inputs, double** outputs, int frames) {
    host.process(inputs, outputs, frames);
    advanceTime(frames);
}

void PluginHost::advanceTime(int frames) {
    VstTimeInfo& time = *host.timeInfo;
    time.samplePos += frames;
    const double quarters = time.samplePos / time.sampleRate * kTempo / 60.0;
    time.ppqPos = quarters;
    time.barStartPos = static_cast<double>(static_cast<long long>(quarters / 4.0)) * 4.0;
}

} // namespace gravelo::render
