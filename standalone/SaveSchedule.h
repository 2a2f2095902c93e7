// When the state is written to last.fxp while the program runs: a few
// seconds after the controls last differed from what was saved, so that a
// knob turned for a while is written once, not on every step.
#pragma once

#include "instance/AmpInstance.h"

namespace gravelo::standalone {

class SaveSchedule {
  public:
    using Controls = instance::AmpInstance::ControlValues;
    static constexpr double kDelaySeconds = 3.0;

    explicit SaveSchedule(const Controls& saved) : written(saved), seen(saved) {}
    // The controls now, at `now` seconds of a steady clock: true when a save
    // is due (then call saved()).
    bool due(const Controls& now, double time);
    void saved(const Controls& controls) { written = seen = controls; }

  private:
    Controls written;
    Controls seen;
    double changedAt = 0.0;
};

} // namespace gravelo::standalone
