// The "dirt" stage: a level-normalised atan shaper on the 2 kHz high-passed
// signal, toned by three filters and added back in parallel.
#pragma once

#include "Biquad.h"
#include "CascadeLanes.h"
#include "OwnMath.h"
#include "Smoothing.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// 256-bit vectors by value (see Lanes.h); all inlined into the block form.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

namespace gravelo::dsp {

struct DriveFilters {
    BiquadCoeffs sideChain; // F1
    BiquadCoeffs tone[3];   // F2, F3, F4
};

struct DriveState {
    BiquadState sideChain;
    BiquadState tone[3];
    double ms1 = 0.0; // mean square of the side chain
};

// The shaper, from the side-chain sample h: ms1 tracks h² at 1 Hz (the one
// recurrence), the gain tg lifts quiet signals (at most 5.623) so the atan
// saturates evenly, then the output scale. The part after ms1 has no state,
// so the block form runs it four samples at a time (one value or a Quad),
// the gain in a pass of its own: each pass's chain of square root, division
// and atan is then short enough for many samples of it to overlap.
template <class V> inline V gainOf(V ms1) {
    const V rms1 = squareRoot(absolute(ms1));
    return smaller(100 * 0.0001 / (rms1 + 0.0001), V{} + 5.623);
}

template <class V> inline V shapedWithGain(V h, V tg, double amount) {
    return math::atan(800 * amount * tg * h) * (amount / 100 + 0.03);
}

template <class V> inline V shaped(V h, V ms1, double amount) {
    return shapedWithGain(h, gainOf(ms1), amount);
}

inline double shapeDrive(double h, double& ms1, double c1Hz, double amount) {
    ms1 = nextMeanSquare(ms1, h, c1Hz);
    return shaped(h, ms1, amount);
}

// One sample: what the drive adds to s.
inline double runDrive(const DriveFilters& f, DriveState& st, double s, double c1Hz,
                       double amount) {
    const double h = runBiquad(f.sideChain, st.sideChain, s);
    double d = shapeDrive(h, st.ms1, c1Hz, amount);
    for (int i = 0; i < 3; ++i)
        d = runBiquad(f.tone[i], st.tone[i], d);
    return d;
}

// The drive's recurrences over a block, a sample at a time: the side-chain
// filter and ms1 in locals (the block form runs them beside the input
// filter's); store() writes them back.
class DriveSideRunner {
  public:
    DriveSideRunner(const DriveFilters& f, DriveState& st, double c1Hz)
        : side(f.sideChain, st.sideChain), ms1(st.ms1), c1(c1Hz), home(st) {}
    // The side-chain sample h of s; meanSquare gets ms1 after it.
    double operator()(double s, double& meanSquare) {
        const double h = side(s);
        meanSquare = ms1 = nextMeanSquare(ms1, h, c1);
        return h;
    }
    void store() {
        side.store();
        home.ms1 = ms1;
    }

  private:
    BiquadRunner<double> side;
    double ms1, c1;
    DriveState& home;
};

// The rest of the drive over a block, from the side-chain samples h and
// their ms1 (which ends holding the gains): the shaper four samples at a
// time into h, the three tone filters as one wavefront, and the result
// added to s in place.
inline void finishDriveBlock(const DriveFilters& f, DriveState& st, double* s, double* h,
                             double* ms1, int frames, double amount) {
    lanewise(frames, ms1, ms1, ms1, [](auto ms, auto) { return gainOf(ms); });
    lanewise(frames, h, h, ms1,
             [amount](auto x, auto tg) { return shapedWithGain(x, tg, amount); });
    CascadeView tone;
    tone.add(f.tone, st.tone, 3);
    runCascadeLanes(tone, h, frames);
    lanewise(frames, s, s, h, [](auto x, auto d) { return x + d; });
}

} // namespace gravelo::dsp

#pragma GCC diagnostic pop
