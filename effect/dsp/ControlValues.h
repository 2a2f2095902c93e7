// The values the chain derives from sliders 1 to 9, in their own units.
#pragma once

#include <array>

namespace gravelo::dsp {

// Slider n at index n; index 0 is not used.
using SliderValues = std::array<double, 10>;

struct ControlValues {
    double inputGain = 0.0;    // 10^(s1/20)
    double outputGain = 0.0;   // 10^(s2/20)
    double presenceFreq = 0.0; // Hz, corner of band 4
    double dirtAmount = 0.0;   // 0..1
    double bass = 0.0, middle = 0.0, treble = 0.0;
    double releaseScale = 0.0; // multiplies the levelers' release times
    double levelerFloor = 0.0; // added to the leveler envelope before 1 / x
    double lowCutQ = 0.0;      // Q of the 40 Hz input high-pass

    static ControlValues fromSliders(const SliderValues& s);
};

} // namespace gravelo::dsp
