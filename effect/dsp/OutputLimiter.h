// Crest-factor limiter: the ceiling follows five times the 1 Hz RMS of the
// band sum (0.501 while that is quiet); peaks above it pull the gain down
// within 1 ms and let it recover over 60 ms.
#pragma once

#include "Smoothing.h"

#include <algorithm>
#include <cmath>

namespace dsp {

struct OutputLimiterState {
    double ms2 = 0.0;                    // mean square of the band sum
    double g1 = 0.0, g2 = 0.0, g3 = 0.0; // gain-reduction envelopes
};

// Measured on the band sum, before the tone sections.
inline double limiterThreshold(OutputLimiterState& s, double y, double c1Hz) {
    s.ms2 = s.ms2 + c1Hz * (y * y - s.ms2);
    const double rms2 = std::sqrt(std::fabs(s.ms2));
    return rms2 > 0.1 ? 5.01 * rms2 : 0.501;
}

// Legend: K overshoot ratio (≥ 1); g1 fast-attack, slow-release follower of
// K; g2, g3 peak-hold smoothers; the signal is divided by g3 once it is above 1.
// Answers the limited sample before the output gain; `clipped` is raised
// when the sample went over the threshold.
inline double runLimiter(OutputLimiterState& s, const Smoothing& sm, double y, double threshold,
                         bool& clipped) {
    const double K = std::max(std::fabs(y), threshold) / threshold;
    clipped = clipped || K > 1.0;
    const double towards = s.g1 < K ? sm.c1ms : sm.c60ms;
    s.g1 = K + towards * (s.g1 - K);
    s.g2 = holdFollow(s.g1, s.g2, sm.c20ms);
    s.g3 = holdFollow(s.g2, s.g3, sm.c20ms);
    return y / std::max(s.g3, 1.0);
}

// The limiter's envelopes in locals for a block loop.
class LimiterRunner {
  public:
    LimiterRunner(OutputLimiterState& s, const Smoothing& smoothing)
        : state(s), sm(smoothing), home(s) {}
    double threshold(double y, double c1Hz) { return limiterThreshold(state, y, c1Hz); }
    double operator()(double y, double threshold, bool& clipped) {
        return runLimiter(state, sm, y, threshold, clipped);
    }
    void store() const { home = state; }

  private:
    OutputLimiterState state;
    Smoothing sm;
    OutputLimiterState& home;
};

} // namespace dsp
