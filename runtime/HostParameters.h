// The effect's sliders as a host's parameters, for every shell: parameter
// `index` is the slider record of that definition index, its value
// normalized from the slider's range to 0..1.
#pragma once

#include "SliderInfo.h"

#include <string>
#include <vector>

class TVobrix;

namespace vobrix {

// The slider record behind parameter `index`; null for an index the host
// should never have sent.
const SliderInfo* parameterRecord(const TVobrix& runtime, int32_t index);
// The slider's value normalized to 0..1; 0 for an unknown index or a slider
// without a range.
double parameterValue(const TVobrix& runtime, int32_t index);
// A normalized value to the slider: scaled to its range and snapped to its
// step, stored (with the slider's bound variable) only when it moved by the
// comparison tolerance or more, and then doSlider. A value that is not
// finite or would not fit the state chunk's floats is refused. True when
// the slider moved.
bool setParameterValue(TVobrix& runtime, int32_t index, double normalized);
// "%.2f" of the slider's value, or the enumeration label it falls on; empty
// for an unknown index.
std::string parameterDisplay(const TVobrix& runtime, int32_t index);

// Snaps to the multiples of `step` counted from 0; half-way goes up.
double snapToStep(double value, double step);
// The display text of a slider value: "%.2f", or the enumeration label it falls on.
std::string displayText(double value, double minimum, double maximum,
                        const std::vector<std::string>& labels);

} // namespace vobrix
