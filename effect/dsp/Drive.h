// The "dirt" stage: a level-normalised atan shaper on the 2 kHz high-passed
// signal, toned by three filters and added back in parallel.
#pragma once

#include "Biquad.h"
#include "CascadeLanes.h"

#include <algorithm>
#include <cmath>

namespace dsp {

struct DriveFilters {
    BiquadCoeffs sideChain; // F1
    BiquadCoeffs tone[3];   // F2, F3, F4
};

struct DriveState {
    BiquadState sideChain;
    BiquadState tone[3];
    double ms1 = 0.0; // mean square of the side chain
};

// The shaper alone, from the side-chain sample h: ms1 tracks h² at 1 Hz, the
// gain tg lifts quiet signals (at most 5.623) so the atan saturates evenly.
inline double shapeDrive(double h, double& ms1, double c1Hz, double amount) {
    ms1 = ms1 + c1Hz * (h * h - ms1);
    const double rms1 = std::sqrt(std::fabs(ms1));
    const double tg = std::min(100 * 0.0001 / (rms1 + 0.0001), 5.623);
    return std::atan(800 * amount * tg * h) * (amount / 100 + 0.03);
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

// The drive over a block, added to s in place; `scratch` holds `frames`
// values. The shaper's ms1 recurrence runs in its own loop, the three tone
// filters as one wavefront after it.
inline void runDriveBlock(const DriveFilters& f, DriveState& st, double* s, double* scratch,
                          int frames, double c1Hz, double amount) {
    BiquadRunner<double> side(f.sideChain, st.sideChain);
    double ms1 = st.ms1;
    for (int i = 0; i < frames; ++i)
        scratch[i] = shapeDrive(side(s[i]), ms1, c1Hz, amount);
    side.store();
    st.ms1 = ms1;

    CascadeView tone;
    tone.add(f.tone, st.tone, 3);
    runCascadeLanes(tone, scratch, frames);
    for (int i = 0; i < frames; ++i)
        s[i] = s[i] + scratch[i];
}

} // namespace dsp
