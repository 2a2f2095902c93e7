// The engine instance's controls as a host sees parameters, so that --set
// takes a value in the units the panel shows exactly as the renderer does.
#pragma once

#include "ParameterSurface.h"
#include "engine/AmpInstance.h"

namespace standalone {

class AmpParameters final : public render::ParameterSurface {
  public:
    explicit AmpParameters(engine::AmpInstance& instance) : amp(instance) {}

    int parameterCount() const override { return engine::AmpInstance::kControlCount; }
    float parameter(int index) const override;
    void setParameter(int index, float value) override;
    std::string parameterName(int index) override { return amp.controlInfo(index).name; }
    std::string parameterDisplay(int index) override;
    std::string parameterLabel(int index) override;

  private:
    engine::AmpInstance& amp;
};

} // namespace standalone
