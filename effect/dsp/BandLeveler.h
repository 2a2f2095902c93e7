// Envelope-driven gain stage of one band: the louder the band, the lower its
// gain, never above 1 / levelerFloor.
#pragma once

#include "Lanes.h"
#include "Smoothing.h"

#include <cmath>

// 256-bit vectors by value (see Lanes.h); all inlined into the block form.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

namespace gravelo::dsp {

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
    const double rising = follow(s.e1, v, c.attack), falling = follow(s.e1, v, c.release);
    s.e1 = v > s.e1 ? rising : falling;
    s.e2 = holdFollow(s.e1, s.e2, c20ms);
    s.e3 = holdFollow(s.e2, s.e3, c20ms);
    s.gain = 1.0 / (s.e3 + floor);
    return w * s.gain;
}

// The four band levelers side by side; legend as in runBandLeveler.
class LevelerQuadRunner {
  public:
    LevelerQuadRunner(const BandLevelerCoeffs (&c)[4], BandLevelerState (&s)[4], double c20ms,
                      double gainFloor)
        : c20(c20ms), floor{gainFloor, gainFloor, gainFloor, gainFloor}, home(s) {
        for (int i = 0; i < 4; ++i) {
            attack[i] = c[i].attack;
            release[i] = c[i].release;
            k[i] = c[i].k;
            e1[i] = s[i].e1;
            e2[i] = s[i].e2;
            e3[i] = s[i].e3;
            gain[i] = s[i].gain;
        }
    }

    Quad operator()(Quad w) {
        const Quad v = absolute(w) * k;
        const Quad rising = (1.0 - attack) * v + attack * e1;
        const Quad falling = (1.0 - release) * v + release * e1;
        e1 = v > e1 ? rising : falling;
        e2 = holdFollow(e1, e2, c20);
        e3 = holdFollow(e2, e3, c20);
        gain = 1.0 / (e3 + floor);
        return w * gain;
    }

    void store() const {
        for (int i = 0; i < 4; ++i)
            home[i] = BandLevelerState{e1[i], e2[i], e3[i], gain[i]};
    }

  private:
    Quad attack, release, k, e1, e2, e3, gain;
    double c20;
    Quad floor;
    BandLevelerState (&home)[4];
};

} // namespace gravelo::dsp

#pragma GCC diagnostic pop
