#include "ParameterEntries.h"

#include "AudioEffect.h"
#include "CVeST.h"
#include "runtime/Numeric.h"
#include "runtime/TVobrix.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace parameterEntries {

namespace {

// Hosts give parameter text buffers of at least this size in practice.
constexpr size_t kParameterTextCapacity = 24;

// The slider record behind host parameter `index`; null for an index the
// host should never have sent.
SliderInfo* sliderRecord(CVeST* shell, VstInt32 index) {
    TVobrix* runtime = shell != nullptr ? shell->runtime : nullptr;
    if (runtime == nullptr || index < 0 ||
        static_cast<size_t>(index) >= runtime->sliderInfos.size())
        return nullptr;
    return &runtime->sliderInfos[static_cast<size_t>(index)];
}

} // namespace

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

double getParameter(CVeST* shell, VstInt32 index) {
    const SliderInfo* info = sliderRecord(shell, index);
    if (info == nullptr || info->maximum == info->minimum) return 0.0;
    const double value = shell->runtime->sliderValues[static_cast<size_t>(info->number)];
    return (value - info->minimum) / (info->maximum - info->minimum);
}

void setParameter(CVeST* shell, VstInt32 index, double x) {
    SliderInfo* info = sliderRecord(shell, index);
    if (info == nullptr || !std::isfinite(x)) return;
    const double snapped =
        snapToStep(info->minimum + (info->maximum - info->minimum) * x, info->step);
    // The state chunk keeps sliders as floats: a value beyond float range could
    // be set but never saved.
    if (!(std::fabs(snapped) <= std::numeric_limits<float>::max())) return;
    SharedValue& current = shell->runtime->sliderValues[static_cast<size_t>(info->number)];
    if (vobrix::nearlyEqual(snapped, current)) return;
    current = snapped;
    if (info->boundVariable != nullptr) *info->boundVariable = snapped;
    shell->runtime->doSlider();
}

void getParameterName(CVeST* shell, VstInt32 index, char* text) {
    const SliderInfo* info = sliderRecord(shell, index);
    if (info != nullptr) copyHostString(text, info->name.c_str(), kParameterTextCapacity);
}

void getParameterLabel(CVeST* shell, VstInt32 index, char* text) {
    const SliderInfo* info = sliderRecord(shell, index);
    if (info != nullptr) copyHostString(text, info->label.c_str(), kParameterTextCapacity);
}

void getParameterDisplay(CVeST* shell, VstInt32 index, char* text) {
    const SliderInfo* info = sliderRecord(shell, index);
    if (info == nullptr) return;
    const double value = shell->runtime->sliderValues[static_cast<size_t>(info->number)];
    copyHostString(text, displayText(value, info->minimum, info->maximum, info->labels).c_str(),
                   kParameterTextCapacity);
}

} // namespace parameterEntries
