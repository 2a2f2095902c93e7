// Sample-rate constants shared by the envelope followers of the chain.
#pragma once

#include "OwnMath.h"

#include <algorithm>
#include <numbers>

namespace dsp {

// One-pole coefficient of a time constant of `ms` milliseconds; 0 ms gives
// exp(−∞) = 0, an instant follower.
inline double timeCoefficient(double ms, double sampleRate) {
    return math::exp(-1.0 / (ms * sampleRate / 1000.0));
}

struct Smoothing {
    double c1ms = 0.0, c20ms = 0.0, c60ms = 0.0;
    double c1Hz = 0.0; // one-pole low-pass at 1 Hz for the mean squares

    static Smoothing forSampleRate(double sr) {
        Smoothing s;
        s.c1ms = math::exp(-1.0 / (sr * 0.001));
        s.c20ms = math::exp(-1.0 / (sr * 0.02));
        s.c60ms = math::exp(-1.0 / (sr * 0.06));
        s.c1Hz = 1.0 - math::exp(-2.0 * std::numbers::pi / sr);
        return s;
    }
};

// Peak-hold follower used twice after the leveler's and the limiter's first
// envelope: rises at once (in > held gives in), else falls with the 20 ms
// coefficient. With 0 ≤ c < 1 the falling value is below in exactly when in
// > held, so the larger of the two is that choice, without a branch.
inline double holdFollow(double in, double held, double c20ms) {
    return std::max(in, in + c20ms * (held - in));
}

} // namespace dsp
