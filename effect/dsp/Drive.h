// The "dirt" stage: a level-normalised atan shaper on the 2 kHz high-passed
// signal, toned by three filters and added back in parallel.
#pragma once

#include "Biquad.h"
#include "CascadeLanes.h"
#include "OwnMath.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// 256-bit vectors by value (see Lanes.h); all inlined into the block form.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

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

// The shaper in two steps, from the side-chain sample h: ms1 tracks h² at
// 1 Hz, the gain tg lifts quiet signals (at most 5.623) so the atan saturates
// evenly; then the atan and the output scale. The second step has no state,
// so the block form runs it four samples at a time.
inline double driveArgument(double h, double& ms1, double c1Hz, double amount) {
    ms1 = ms1 + c1Hz * (h * h - ms1);
    const double rms1 = std::sqrt(std::fabs(ms1));
    const double tg = std::min(100 * 0.0001 / (rms1 + 0.0001), 5.623);
    return 800 * amount * tg * h;
}

template <class V> inline V saturate(V argument, double amount) {
    return math::atan(argument) * (amount / 100 + 0.03);
}

inline double shapeDrive(double h, double& ms1, double c1Hz, double amount) {
    return saturate(driveArgument(h, ms1, c1Hz, amount), amount);
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

// saturate over a block in place, four samples at a time.
inline void saturateBlock(double* x, int frames, double amount) {
    int i = 0;
    for (; i + 4 <= frames; i += 4) {
        Quad four;
        std::memcpy(&four, x + i, sizeof four);
        four = saturate(four, amount);
        std::memcpy(x + i, &four, sizeof four);
    }
    for (; i < frames; ++i)
        x[i] = saturate(x[i], amount);
}

// The drive over a block, added to s in place; `scratch` holds `frames`
// values. The shaper's ms1 recurrence runs in its own loop, the three tone
// filters as one wavefront after it.
inline void runDriveBlock(const DriveFilters& f, DriveState& st, double* s, double* scratch,
                          int frames, double c1Hz, double amount) {
    BiquadRunner<double> side(f.sideChain, st.sideChain);
    double ms1 = st.ms1;
    for (int i = 0; i < frames; ++i)
        scratch[i] = driveArgument(side(s[i]), ms1, c1Hz, amount);
    side.store();
    st.ms1 = ms1;
    saturateBlock(scratch, frames, amount);

    CascadeView tone;
    tone.add(f.tone, st.tone, 3);
    runCascadeLanes(tone, scratch, frames);
    for (int i = 0; i < frames; ++i)
        s[i] = s[i] + scratch[i];
}

} // namespace dsp

#pragma GCC diagnostic pop
