#include "standalone/AmpParameters.h"

namespace gravelo::standalone {

float AmpParameters::parameter(int index) const {
    const instance::ControlInfo& info = amp.controlInfo(index);
    return static_cast<float>((amp.control(index) - info.minimum) / (info.maximum - info.minimum));
}

// A host value scaled to the control's range as the plug-in's host
// parameters scale it; the instance's rule snaps it to the step.
void AmpParameters::setParameter(int index, float value) {
    const instance::ControlInfo& info = amp.controlInfo(index);
    amp.setControl(index,
                   info.minimum + (info.maximum - info.minimum) * static_cast<double>(value));
}

std::string AmpParameters::parameterDisplay(int index) {
    char text[instance::AmpInstance::kTextCapacity];
    instance::AmpInstance::formatControl(amp.control(index), text, sizeof text);
    return text;
}

std::string AmpParameters::parameterLabel(int index) {
    return amp.controlInfo(index).label;
}

} // namespace gravelo::standalone
