// The crossover into four bands: below 80 Hz, 70–220 Hz, 220–1600 Hz and
// above the presence frequency.
#pragma once

#include "Bands.h"
#include "Biquad.h"

namespace gravelo::dsp {

struct BandSplitFilters {
    BiquadCoeffs band1;    // F5 low-pass
    BiquadCoeffs band2[2]; // F6 high-pass, F7 low-pass
    BiquadCoeffs band3[2]; // F8 high-pass, F9 low-pass
    BiquadCoeffs band4;    // C2 high-pass at the presence frequency
};

struct BandSplitState {
    BiquadState band1, band2[2], band3[2], band4;
};

struct Bands {
    double u[kBandCount];
};

inline Bands runBandSplit(const BandSplitFilters& f, BandSplitState& st, double s) {
    return Bands{{runBiquad(f.band1, st.band1, s),
                  runBiquad(f.band2[1], st.band2[1], runBiquad(f.band2[0], st.band2[0], s)),
                  runBiquad(f.band3[1], st.band3[1], runBiquad(f.band3[0], st.band3[0], s)),
                  runBiquad(f.band4, st.band4, s)}};
}

} // namespace gravelo::dsp
