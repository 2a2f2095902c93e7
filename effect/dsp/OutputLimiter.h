// Crest-factor limiter: the ceiling follows five times the 1 Hz RMS of the
// band sum (0.501 while that is quiet); peaks above it pull the gain down
// within 1 ms and let it recover over 60 ms.
#pragma once

#include "Lanes.h"
#include "Smoothing.h"

#include <algorithm>
#include <cmath>

// Four-lane vectors by value (see Lanes.h); all inlined into the block form.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

namespace gravelo::dsp {

struct OutputLimiterState {
    double ms2 = 0.0;                    // mean square of the band sum
    double g1 = 0.0, g2 = 0.0, g3 = 0.0; // gain-reduction envelopes
};

// Measured on the band sum, before the tone sections, in two steps: ms2
// (the recurrence), then the threshold from it (one value or a Quad).
template <class V> inline V thresholdOf(V ms2) {
    const V rms2 = squareRoot(absolute(ms2));
    return rms2 > 0.1 ? 5.01 * rms2 : V{} + 0.501;
}

inline double limiterThreshold(OutputLimiterState& s, double y, double c1Hz) {
    s.ms2 = nextMeanSquare(s.ms2, y, c1Hz);
    return thresholdOf(s.ms2);
}

// Legend: K overshoot ratio (≥ 1); g1 fast-attack, slow-release follower of
// K; g2, g3 peak-hold smoothers; the signal is divided by g3 once it is above
// 1. The steps without state take one value or a Quad.
template <class V> inline V overshoot(V y, V threshold) {
    return larger(absolute(y), threshold) / threshold;
}

// The envelopes after K; answers g3. `clipped` is raised when the sample
// went over the threshold.
inline double followOvershoot(OutputLimiterState& s, const Smoothing& sm, double K, bool& clipped) {
    clipped = clipped || K > 1.0;
    // Both ways computed, then one chosen: no branch on the signal.
    const double rising = follow(s.g1, K, sm.c1ms), falling = follow(s.g1, K, sm.c60ms);
    s.g1 = s.g1 < K ? rising : falling;
    s.g2 = holdFollow(s.g1, s.g2, sm.c20ms);
    s.g3 = holdFollow(s.g2, s.g3, sm.c20ms);
    return s.g3;
}

template <class V> inline V limited(V y, V g3) {
    return y / larger(g3, V{} + 1.0);
}

// Answers the limited sample before the output gain.
inline double runLimiter(OutputLimiterState& s, const Smoothing& sm, double y, double threshold,
                         bool& clipped) {
    return limited(y, followOvershoot(s, sm, overshoot(y, threshold), clipped));
}

// The limiter's recurrences in locals for a block loop.
class LimiterRunner {
  public:
    LimiterRunner(OutputLimiterState& s, const Smoothing& smoothing)
        : state(s), sm(smoothing), home(s) {}
    // ms2 after y.
    double meanSquare(double y, double c1Hz) {
        return state.ms2 = nextMeanSquare(state.ms2, y, c1Hz);
    }
    // g3 after the overshoot K.
    double operator()(double K, bool& clipped) { return followOvershoot(state, sm, K, clipped); }
    void store() const { home = state; }

  private:
    OutputLimiterState state;
    Smoothing sm;
    OutputLimiterState& home;
};

} // namespace gravelo::dsp

#pragma GCC diagnostic pop
