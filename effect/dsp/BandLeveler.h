// Envelope-driven gain stage of one band: the louder the band, the lower its
// gain, never above 1 / levelerFloor.
#pragma once

#include "Smoothing.h"

#include <cmath>

namespace dsp {

struct BandLevelerCoeffs {
    double attack = 0.0, release = 0.0, k = 0.0;
};

struct BandLevelerState {
    double e1 = 0.0, e2 = 0.0, e3 = 0.0, gain = 0.0;
};

// Legend: v level of the band scaled by k; e1 attack/release follower of v;
// e2, e3 peak-hold smoothers of e1; gain = 1 / (e3 + floor) applied to w.
inline double runBandLeveler(const BandLevelerCoeffs& c, BandLevelerState& s, double w,
                             double c20ms, double floor) {
    const double v = std::fabs(w) * c.k;
    const double towards = v > s.e1 ? c.attack : c.release; // a select, not a branch
    s.e1 = v + towards * (s.e1 - v);
    s.e2 = holdFollow(s.e1, s.e2, c20ms);
    s.e3 = holdFollow(s.e2, s.e3, c20ms);
    s.gain = 1.0 / (s.e3 + floor);
    return w * s.gain;
}

// One leveler with its coefficients and state in locals for a block loop.
class BandLevelerRunner {
  public:
    BandLevelerRunner(const BandLevelerCoeffs& c, BandLevelerState& s, double c20, double gainFloor)
        : coeffs(c), state(s), c20ms(c20), floor(gainFloor), home(s) {}
    double operator()(double w) { return runBandLeveler(coeffs, state, w, c20ms, floor); }
    void store() const { home = state; }

  private:
    BandLevelerCoeffs coeffs;
    BandLevelerState state;
    double c20ms, floor;
    BandLevelerState& home;
};

} // namespace dsp
