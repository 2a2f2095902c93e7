// Bass, middle and treble: each section picks its boosting or its cutting
// filters by the sign of its control and is skipped when the control is 0.
#pragma once

#include "Biquad.h"
#include "CascadeLanes.h"
#include "ControlValues.h"

#include "runtime/Numeric.h"

namespace gravelo::dsp {

struct ToneFilters {
    BiquadCoeffs bassUp[2];     // C3, C4
    BiquadCoeffs bassDown[1];   // C5
    BiquadCoeffs middleUp[3];   // C6, C7, C8
    BiquadCoeffs middleDown[1]; // C9
    BiquadCoeffs trebleUp[3];   // C10, C11, C12
    BiquadCoeffs trebleDown[2]; // C13, C14
};

struct ToneStates {
    BiquadState bassUp[2], bassDown[1];
    BiquadState middleUp[3], middleDown[1];
    BiquadState trebleUp[3], trebleDown[2];
};

// The filters one section runs for the current control value: none, or a
// cascade of one to three sections.
struct ToneCascade {
    const BiquadCoeffs* coeffs = nullptr;
    BiquadState* states = nullptr;
    int count = 0;
};

template <int Up, int Down>
ToneCascade selectCascade(double amount, const BiquadCoeffs (&up)[Up], BiquadState (&upStates)[Up],
                          const BiquadCoeffs (&down)[Down], BiquadState (&downStates)[Down]) {
    if (runtime::isZero(amount)) return {};
    if (amount > 0) return {up, upStates, Up};
    return {down, downStates, Down};
}

struct ToneSelection {
    ToneCascade sections[3]; // bass, middle, treble, in signal order

    static ToneSelection of(const ToneFilters& f, ToneStates& st, const ControlValues& c) {
        return {{selectCascade(c.bass, f.bassUp, st.bassUp, f.bassDown, st.bassDown),
                 selectCascade(c.middle, f.middleUp, st.middleUp, f.middleDown, st.middleDown),
                 selectCascade(c.treble, f.trebleUp, st.trebleUp, f.trebleDown, st.trebleDown)}};
    }
};

inline double runTone(const ToneSelection& tone, double y) {
    for (const ToneCascade& section : tone.sections)
        for (int i = 0; i < section.count; ++i)
            y = runBiquad(section.coeffs[i], section.states[i], y);
    return y;
}

// The three sections follow each other without anything between them, so
// over a block they are one cascade of up to eight filters.
inline void runToneBlock(const ToneSelection& tone, double* y, int frames) {
    CascadeView cascade;
    for (const ToneCascade& section : tone.sections)
        cascade.add(section.coeffs, section.states, section.count);
    runCascadeLanes(cascade, y, frames);
}

} // namespace gravelo::dsp
