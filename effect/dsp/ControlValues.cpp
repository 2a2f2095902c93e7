#include "ControlValues.h"

#include "OwnMath.h"

namespace gravelo::dsp {

ControlValues ControlValues::fromSliders(const SliderValues& s) {
    ControlValues v;
    v.inputGain = math::exp10(s[1] / 20);
    v.outputGain = math::exp10(s[2] / 20);
    v.presenceFreq = (10 - s[3]) * 70 + 600;
    v.dirtAmount = s[4] / 10;
    v.bass = s[5];
    v.middle = s[6];
    v.treble = s[7];
    v.releaseScale = (10 - s[8]) / 3 + 1;
    v.levelerFloor = (10 - s[8]) / 20 + 0.5;
    v.lowCutQ = 1 / (s[9] + 1.25) + 0.2;
    return v;
}

} // namespace gravelo::dsp
