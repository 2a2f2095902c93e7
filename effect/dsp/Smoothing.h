// Sample-rate constants shared by the envelope followers of the chain.
#pragma once

#include "OwnMath.h"

#include <algorithm>
#include <numbers>

// Four-lane vectors by value (see Lanes.h); all inlined into the block form.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

namespace gravelo::dsp {

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

// One step of a one-pole follower from `from` towards `to`: (1 − c)·to + c·from,
// written so that `from`, the value carried from the last sample, meets one
// multiply and one addition (the followers' recurrences are what a block
// waits for).
template <class V> inline V follow(V from, V to, double c) {
    return (1.0 - c) * to + c * from;
}

// A mean square at 1 Hz one sample on: ms meets one multiply and one addition.
inline double nextMeanSquare(double ms, double x, double c1Hz) {
    return (1.0 - c1Hz) * ms + c1Hz * (x * x);
}

// Peak-hold follower used twice after the leveler's and the limiter's first
// envelope, one value or four lanes: rises at once (in ≥ held gives in),
// else falls towards in with the 20 ms coefficient. Both ways are computed
// and one is chosen, so nothing branches on the signal, and the comparison
// runs beside the arithmetic instead of after it.
template <class V> inline V holdFollow(V in, V held, double c20ms) {
    const V falling = follow(held, in, c20ms);
    return held > in ? falling : in;
}

} // namespace gravelo::dsp

#pragma GCC diagnostic pop
