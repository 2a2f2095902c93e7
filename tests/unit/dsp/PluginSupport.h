// A Gravelo instance made the way the exported entry makes it, driven
// through its AEffect record, with a quiet host callback that answers the
// version query and, when given, the time info.
#pragma once

#include "effect/TVobrixEffect.h"
#include "host/CVeST.h"
#include "host/VeSTBridge.h"

#include <cmath>
#include <vector>

namespace dsptest {

struct QuietHost {
    static VstIntPtr callback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
        return opcode == audioMasterVersion ? 2400 : 0;
    }
};

class Plugin {
  public:
    Plugin() : effect(createPlugin(new TVobrixEffect(), &QuietHost::callback)) {}
    ~Plugin() {
        if (effect != nullptr) dispatch(effClose);
    }
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0) {
        return effect->dispatcher(effect, opcode, index, value, ptr, opt);
    }
    void start(float sampleRate = 48000.0f) {
        dispatch(effOpen);
        dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate);
        dispatch(effSetBlockSize, 0, 256);
        dispatch(effMainsChanged, 0, 1);
    }
    // Host parameter value 0..1 for slider `number` from its value in units.
    void setSlider(int number, double value) {
        const SliderInfo& info = shell()->runtime->sliderInfos[static_cast<size_t>(number - 1)];
        effect->setParameter(
            effect, number - 1,
            static_cast<float>((value - info.minimum) / (info.maximum - info.minimum)));
    }

    template <class Sample>
    void process(std::vector<Sample>& inLeft, std::vector<Sample>& inRight,
                 std::vector<Sample>& outLeft, std::vector<Sample>& outRight) {
        Sample* in[2] = {inLeft.data(), inRight.data()};
        Sample* out[2] = {outLeft.data(), outRight.data()};
        const auto frames = static_cast<VstInt32>(inLeft.size());
        if constexpr (sizeof(Sample) == sizeof(float))
            effect->processReplacing(effect, in, out, frames);
        else
            effect->processDoubleReplacing(effect, in, out, frames);
    }

    CVeST* shell() const { return static_cast<CVeST*>(effect->object); }
    TVobrixEffect& runtime() const { return *static_cast<TVobrixEffect*>(shell()->runtime); }

    AEffect* effect;
};

template <class Sample> std::vector<Sample> convert(const std::vector<double>& x) {
    return std::vector<Sample>(x.begin(), x.end());
}

} // namespace dsptest
