// The nine controls as VST 3 parameters: id = control index, values
// normalised over the control's range, step counts from the control's step,
// the VST 2.x display texts, and host values taken by the control rule.
#include "vst3/Vst3Amp.h"
#include "vst3/Vst3Strings.h"

#include <algorithm>
#include <cmath>

namespace gravelo::vst3 {

using namespace gravelo::vst3::api;
using instance::AmpInstance;

namespace {

bool isParameter(ParamID id) {
    return AmpInstance::isControl(static_cast<int>(id));
}

} // namespace

// A normalised value names the value the control rule takes for it, so what
// a host reads back is what the sound uses. A state may hold a value between
// the steps: the normalised value reported for it reads back as that value,
// and given back changes nothing.
double Vst3Amp::plainOf(int control, double normalized) const {
    const double held = amp.control(control);
    if (normalized == amp.normalizedValue(control, held)) return held;
    return amp.plainValue(control, normalized);
}

double Vst3Amp::normalizedOf(int control, double plain) const {
    return amp.normalizedValue(control, plain);
}

int32_t VST3_API Vst3Amp::getParameterCount() {
    return AmpInstance::kControlCount;
}

tresult VST3_API Vst3Amp::getParameterInfo(int32_t index, ParameterInfo* info) {
    if (!AmpInstance::isControl(index) || info == nullptr) return kInvalidArgument;
    const instance::ControlInfo& control = amp.controlInfo(index);
    *info = ParameterInfo{};
    info->id = static_cast<ParamID>(index);
    copyText(control.name, info->title);
    copyText(control.name, info->shortTitle);
    copyText(AmpInstance::controlIsDecibels(index) ? "dB" : "", info->units);
    info->stepCount =
        static_cast<int32_t>(std::lround((control.maximum - control.minimum) / control.step));
    info->defaultNormalizedValue = normalizedOf(index, control.defaultValue);
    info->unitId = 0;
    info->flags = kCanAutomate;
    return kResultOk;
}

// The text of the value the control would take for this host value.
tresult VST3_API Vst3Amp::getParamStringByValue(ParamID id, ParamValue normalized, String128 text) {
    if (!isParameter(id) || text == nullptr) return kInvalidArgument;
    const int control = static_cast<int>(id);
    const double value = plainOf(control, std::clamp(normalized, 0.0, 1.0));
    if (std::isnan(value)) return kInvalidArgument;
    char shown[AmpInstance::kTextCapacity];
    AmpInstance::formatControl(value, shown, sizeof shown);
    copyUtf16(shown, text, 128);
    return kResultOk;
}

tresult VST3_API Vst3Amp::getParamValueByString(ParamID id, char16* text, ParamValue* normalized) {
    if (!isParameter(id) || text == nullptr || normalized == nullptr) return kInvalidArgument;
    double value = 0.0;
    if (!AmpInstance::parseControl(fromUtf16(text).c_str(), value)) return kResultFalse;
    *normalized = std::clamp(normalizedOf(static_cast<int>(id), value), 0.0, 1.0);
    return kResultOk;
}

ParamValue VST3_API Vst3Amp::normalizedParamToPlain(ParamID id, ParamValue normalized) {
    return isParameter(id) ? plainOf(static_cast<int>(id), normalized) : normalized;
}

ParamValue VST3_API Vst3Amp::plainParamToNormalized(ParamID id, ParamValue plain) {
    return isParameter(id) ? normalizedOf(static_cast<int>(id), plain) : plain;
}

ParamValue VST3_API Vst3Amp::getParamNormalized(ParamID id) {
    if (!isParameter(id)) return 0.0;
    return normalizedOf(static_cast<int>(id), amp.control(static_cast<int>(id)));
}

// The host's value for display: the knob moves to it. The one store of the
// values is the amplifier's, so the control rule takes it here as it does
// from the processing queues (the same value twice changes nothing).
tresult VST3_API Vst3Amp::setParamNormalized(ParamID id, ParamValue normalized) {
    if (!isParameter(id)) return kInvalidArgument;
    if (!std::isfinite(normalized)) return kResultFalse;
    const int control = static_cast<int>(id);
    amp.setControl(control, plainOf(control, std::clamp(normalized, 0.0, 1.0)));
    return kResultOk;
}

} // namespace gravelo::vst3
