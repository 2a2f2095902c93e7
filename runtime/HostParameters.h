// The effect's sliders as a host's parameters, for every shell: parameter
// `index` is the slider record of that definition index, its value
// normalized from the slider's range to 0..1.
#pragma once

#include "SliderInfo.h"

#include <string>
#include <vector>

class TVobrix;

namespace gravelo::runtime {

// The slider record behind parameter `index`; null for an index the host
// should never have sent.
const SliderInfo* parameterRecord(const TVobrix& runtime, int32_t index);
// How a control value from a host meets the control's range.
enum class RangeRule {
    // VST 2.x: the normalised value scales onto the range unclamped, so a
    // host value beyond 0..1 reaches beyond the range (hosts rely on it).
    Extend,
    // The newer formats describe the range to the host: a value outside it
    // is held to it.
    Clamp,
};

// The one rule for a value a host gives a control, in the control's own
// units: held to the range by `rule`, snapped to the step, and refused (NaN)
// when it is no number, infinite or beyond what the state chunk's floats
// hold.
double takeHostValue(const SliderInfo& info, double value, RangeRule rule);
// The same rule for a value a saved state gives the control. The state keeps
// sliders as floats, so a float that is the nearest float to a step value
// comes back as the step value takeHostValue gives (the double the control
// held when it was saved); any other value, between the steps or beyond the
// range, comes back as it was saved, and a value that is no number stays
// one (the loader skips it).
double takeSavedValue(const SliderInfo& info, float saved);
// Stores a value takeHostValue took into the slider (and its bound
// variable) unless it differs from the held one by less than the comparison
// tolerance, and notes the change among the host's changes. True when the
// slider moved. Does not run doSlider.
bool storeHostValue(TVobrix& runtime, const SliderInfo& info, double taken);

// A host's normalised value (0..1 over the control's range) to the value
// the control takes, by the rule above: what a host reads back is what the
// sound uses. NaN when the rule refuses it.
double plainValue(const SliderInfo& info, double normalized, RangeRule rule);
// A control value normalised over the control's range; 0 for a control
// without a range.
double normalizedValue(const SliderInfo& info, double plain);

// The slider's value normalized to 0..1; 0 for an unknown index or a slider
// without a range.
double parameterValue(const TVobrix& runtime, int32_t index);
// A normalized value to the slider: plainValue with RangeRule::Extend,
// stored by the rule above, and then doSlider. True when the
// slider moved.
bool setParameterValue(TVobrix& runtime, int32_t index, double normalized);
// "%.2f" of the slider's value, or the enumeration label it falls on; empty
// for an unknown index.
std::string parameterDisplay(const TVobrix& runtime, int32_t index);

// Snaps to the multiples of `step` counted from 0; half-way goes up.
double snapToStep(double value, double step);
// The display text of a slider value: "%.2f", or the enumeration label it falls on.
std::string displayText(double value, double minimum, double maximum,
                        const std::vector<std::string>& labels);

} // namespace gravelo::runtime
