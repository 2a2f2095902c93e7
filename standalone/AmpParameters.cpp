#include "standalone/AmpParameters.h"

namespace gravelo::standalone {

float AmpParameters::parameter(int index) const {
    return static_cast<float>(amp.normalizedValue(index, amp.control(index)));
}

// A host value taken as the plug-in's host parameters take it.
void AmpParameters::setParameter(int index, float value) {
    amp.setControl(index, amp.plainValue(index, value));
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
