#include "HostParameters.h"

#include "Numeric.h"
#include "TVobrix.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace gravelo::runtime {

const SliderInfo* parameterRecord(const TVobrix& runtime, int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= runtime.sliderInfos.size()) return nullptr;
    return &runtime.sliderInfos[static_cast<size_t>(index)];
}

double snapToStep(double value, double step) {
    if (!(step > 0.0)) return value; // a slider without a step keeps the exact value
    return std::floor((value + step / 2.0) / step) * step;
}

std::string displayText(double value, double minimum, double maximum,
                        const std::vector<std::string>& labels) {
    if (labels.empty()) {
        char text[64];
        std::snprintf(text, sizeof text, "%.2f", value);
        return text;
    }
    const double count = static_cast<double>(labels.size());
    const double position =
        maximum != minimum ? (value - minimum) * (count - 1.0) / (maximum - minimum) : 0.0;
    double k = std::trunc(position);
    if (!(k >= 0.0)) k = 0.0; // also a NaN
    if (k > count - 1.0) k = count - 1.0;
    return labels[static_cast<size_t>(k)];
}

double parameterValue(const TVobrix& runtime, int32_t index) {
    const SliderInfo* info = parameterRecord(runtime, index);
    if (info == nullptr) return 0.0;
    return normalizedValue(*info, runtime.sliderValues[static_cast<size_t>(info->number)]);
}

double takeHostValue(const SliderInfo& info, double value, RangeRule rule) {
    if (!std::isfinite(value)) return std::nan("");
    if (rule == RangeRule::Clamp) value = std::clamp(value, info.minimum, info.maximum);
    const double snapped = snapToStep(value, info.step);
    // The state chunk keeps sliders as floats: a value beyond float range could
    // be set but never saved.
    if (!(std::fabs(snapped) <= std::numeric_limits<float>::max())) return std::nan("");
    return snapped;
}

double takeSavedValue(const SliderInfo& info, float saved) {
    // Unclamped: the strict load refuses values beyond the range, and VST 2.x
    // keeps them.
    const double taken = takeHostValue(info, saved, RangeRule::Extend);
    return static_cast<float>(taken) == saved ? taken : static_cast<double>(saved);
}

double plainValue(const SliderInfo& info, double normalized, RangeRule rule) {
    return takeHostValue(info, info.minimum + (info.maximum - info.minimum) * normalized, rule);
}

double normalizedValue(const SliderInfo& info, double plain) {
    if (info.maximum == info.minimum) return 0.0;
    return (plain - info.minimum) / (info.maximum - info.minimum);
}

bool storeHostValue(TVobrix& runtime, const SliderInfo& info, double taken) {
    SharedValue& current = runtime.sliderValues[static_cast<size_t>(info.number)];
    if (std::isnan(taken) || gravelo::runtime::nearlyEqual(taken, current)) return false;
    current = taken;
    if (info.boundVariable != nullptr) *info.boundVariable = taken;
    runtime.hostChanges.note(static_cast<size_t>(info.number), taken);
    return true;
}

bool setParameterValue(TVobrix& runtime, int32_t index, double x) {
    const SliderInfo* info = parameterRecord(runtime, index);
    if (info == nullptr) return false;
    if (!storeHostValue(runtime, *info, plainValue(*info, x, RangeRule::Extend))) return false;
    runtime.doSlider();
    return true;
}

std::string parameterDisplay(const TVobrix& runtime, int32_t index) {
    const SliderInfo* info = parameterRecord(runtime, index);
    if (info == nullptr) return {};
    const double value = runtime.sliderValues[static_cast<size_t>(info->number)];
    return displayText(value, info->minimum, info->maximum, info->labels);
}

} // namespace gravelo::runtime
