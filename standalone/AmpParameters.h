// The amplifier instance's controls as a host sees parameters, so that --set
// takes a value in the units the panel shows exactly as the renderer does.
#pragma once

#include "instance/AmpInstance.h"
#include "programs/ParameterSurface.h"

namespace gravelo::standalone {

class AmpParameters final : public render::ParameterSurface {
  public:
    explicit AmpParameters(instance::AmpInstance& instance) : amp(instance) {}

    int parameterCount() const override { return instance::AmpInstance::kControlCount; }
    float parameter(int index) const override;
    void setParameter(int index, float value) override;
    std::string parameterName(int index) override { return amp.controlInfo(index).name; }
    std::string parameterDisplay(int index) override;
    std::string parameterLabel(int index) override;

  private:
    instance::AmpInstance& amp;
};

} // namespace gravelo::standalone
