// A Gravelo instance made the way the exported entry makes it, driven
// through its AEffect record by the project's host side.
#pragma once

#include "effect/TVobrixEffect.h"
#include "host/CVeST.h"
#include "vsthost/InProcess.h"

#include <vector>

namespace gravelo::test::dsp {

class Plugin : public vsthost::Host {
  public:
    // Audio and control calls come from two threads in some tests.
    Plugin() {
        recording = false;
        create(vsthost::createAmplifier);
    }

    // Host parameter value 0..1 for slider `number` from its value in units.
    void setSlider(int number, double value) {
        const SliderInfo& info = runtime().sliderInfos[static_cast<size_t>(number - 1)];
        setParameter(number - 1,
                     static_cast<float>((value - info.minimum) / (info.maximum - info.minimum)));
    }

    using Host::process;
    template <class Sample>
    void process(std::vector<Sample>& inLeft, std::vector<Sample>& inRight,
                 std::vector<Sample>& outLeft, std::vector<Sample>& outRight) {
        Sample* in[2] = {inLeft.data(), inRight.data()};
        Sample* out[2] = {outLeft.data(), outRight.data()};
        process(in, out, static_cast<VstInt32>(inLeft.size()));
    }

    CVeST* shell() const { return &vsthost::shellOf(effect()); }
    TVobrixEffect& runtime() const { return vsthost::amplifierOf(effect()); }
};

template <class Sample> std::vector<Sample> convert(const std::vector<double>& x) {
    return std::vector<Sample>(x.begin(), x.end());
}

} // namespace gravelo::test::dsp
