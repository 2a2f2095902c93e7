// A plug-in's parameters as a host sees them: host values 0..1, names,
// display texts and unit labels. What --set and --list act on, so that any
// program holding the amplifier (a loaded plug-in, the amplifier instance)
// takes the same settings the same way.
#pragma once

#include <string>

namespace gravelo::render {

class ParameterSurface {
  public:
    virtual int parameterCount() const = 0;
    virtual float parameter(int index) const = 0;
    virtual void setParameter(int index, float value) = 0;
    virtual std::string parameterName(int index) = 0;
    virtual std::string parameterDisplay(int index) = 0;
    virtual std::string parameterLabel(int index) = 0;

  protected:
    ~ParameterSurface() = default;
};

} // namespace gravelo::render
