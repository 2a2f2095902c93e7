#include "standalone/AmpParameters.h"

#include "effect/TVobrixEffect.h"
#include "runtime/HostParameters.h"

namespace standalone {

float AmpParameters::parameter(int index) const {
    return static_cast<float>(vobrix::parameterValue(amp.effect(), index));
}

// A host value scaled to the control's range as the plug-in's host
// parameters scale it; the instance's rule snaps it to the step.
void AmpParameters::setParameter(int index, float value) {
    const gravelo::instance::ControlInfo& info = amp.controlInfo(index);
    amp.setControl(index,
                   info.minimum + (info.maximum - info.minimum) * static_cast<double>(value));
}

std::string AmpParameters::parameterDisplay(int index) {
    return vobrix::parameterDisplay(amp.effect(), index);
}

std::string AmpParameters::parameterLabel(int index) {
    const SliderInfo* record = vobrix::parameterRecord(amp.effect(), index);
    return record != nullptr ? record->label : std::string();
}

} // namespace standalone
