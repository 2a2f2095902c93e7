// The host side of one VST 2.x instance: the callback the plug-in calls,
// what it answers, and the calls a host makes through the AEffect record.
// Every program of the project that drives the plug-in (tests, fuzz
// targets, benchmarks, the renderer and the tools) drives it through this.
// Nothing here loads a library, so it builds for any platform.
#pragma once

#include "host/VstInterface.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace gravelo::vsthost {

struct HostCall {
    AEffect* effect;
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    float opt;
};

// What the plug-in is told about the host that loaded it.
struct HostIdentity {
    std::string vendor = "Gravelo test host";
    std::string product = "testhost";
    VstIntPtr vendorVersion = 1;
};

// An exported entry such as VSTPluginMain, or anything that makes an
// instance for a host callback the same way.
using EntryFunction = AEffect* (*)(audioMasterCallback);
using Maker = std::function<AEffect*(audioMasterCallback)>;

class Host {
  public:
    Host() = default;
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Creates the instance through `make`; false when there is no maker or
    // the plug-in gave null.
    bool create(const Maker& make);
    AEffect* effect() const { return plugin; }

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f);
    std::string text(VstInt32 opcode, VstInt32 index = 0);
    // effOpen, sample rate and block size (which the host answers from now on).
    void open(double sampleRate, VstInt32 blockSize);
    // open(), then resume: as a host starts a plug-in.
    void start(double sampleRate = 48000.0, VstInt32 blockSize = 256);
    // effClose; the instance is gone afterwards.
    VstIntPtr close();

    void setParameter(VstInt32 index, float value) { plugin->setParameter(plugin, index, value); }
    float getParameter(VstInt32 index) const { return plugin->getParameter(plugin, index); }
    std::string parameterName(VstInt32 index) { return text(effGetParamName, index); }
    std::string parameterDisplay(VstInt32 index) { return text(effGetParamDisplay, index); }
    std::string parameterLabel(VstInt32 index) { return text(effGetParamLabel, index); }
    // effGetChunk / effSetChunk; `preset` selects the program chunk. The
    // plug-in gets a copy, which it may keep or alter.
    std::vector<uint8_t> getChunk(bool preset = false);
    VstIntPtr setChunk(const void* data, size_t size, bool preset = false);

    // One block through processReplacing (or, for a plug-in without it,
    // the accumulating call onto cleared outputs) / processDoubleReplacing.
    void process(float** inputs, float** outputs, VstInt32 frames);
    void process(double** inputs, double** outputs, VstInt32 frames);
    // The same with one vector per channel, all of the first input's length.
    template <class Sample>
    void process(std::vector<std::vector<Sample>>& inputs,
                 std::vector<std::vector<Sample>>& outputs);

    // What the host answers.
    VstIntPtr versionAnswer = kVstVersion;
    std::optional<VstTimeInfo> timeInfo;
    HostIdentity identity;

    // Tests keep every call; a host whose plug-in calls from the audio
    // thread and another thread at once (or must not allocate while it
    // processes) turns this off before create().
    bool recording = true;
    std::vector<HostCall> calls;
    size_t countCalls(VstInt32 opcode) const;
    // Sees calls as they arrive, recorded or not.
    std::function<void(const HostCall&)> onCall;

  private:
    static VstIntPtr VSTCALLBACK callback(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                          VstIntPtr value, void* ptr, float opt);
    VstIntPtr answer(const HostCall& call, void* ptr);

    AEffect* plugin = nullptr;
    double rate = 0.0;
    VstInt32 maxBlock = 0;
};

template <class Sample>
void Host::process(std::vector<std::vector<Sample>>& inputs,
                   std::vector<std::vector<Sample>>& outputs) {
    std::vector<Sample*> in, out;
    for (auto& channel : inputs)
        in.push_back(channel.data());
    for (auto& channel : outputs)
        out.push_back(channel.data());
    process(in.data(), out.data(), static_cast<VstInt32>(inputs.empty() ? 0 : inputs[0].size()));
}

} // namespace gravelo::vsthost
