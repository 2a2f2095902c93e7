// Everything the chain reads but never writes while it runs: the fixed and
// control filters, the levelers' time constants, the smoothing constants and
// the derived control values. One whole set is handed to the audio thread at
// a time (see Published.h).
#pragma once

#include "BandLeveler.h"
#include "BandSplit.h"
#include "Biquad.h"
#include "ControlValues.h"
#include "Drive.h"
#include "Smoothing.h"
#include "ToneStack.h"

namespace gravelo::dsp {

struct ChainCoefficients {
    // Fixed by the sample rate (doInit).
    double sampleRate = 0.0;
    Smoothing smoothing;
    DriveFilters drive;     // F1 to F4
    BandSplitFilters bands; // F5 to F9, and C2 below
    bool fixedDesigned = false;

    // From the sliders (control update).
    ControlValues controls;
    BiquadCoeffs lowCut; // C1
    ToneFilters tone;    // C3 to C14
    BandLevelerCoeffs levelers[kBandCount];
    bool controlsDesigned = false;

    // Until a positive sample rate and both designs are known the chain
    // outputs silence instead of running on zero or divided-by-zero values.
    bool ready() const { return fixedDesigned && controlsDesigned && sampleRate > 0.0; }

    // A set is designed for one rate: the fixed part first (a fresh set),
    // then the controls' part into it, so no set mixes two rates' designs.
    void designFixed(double sr);
    void designControls(const ControlValues& c);
};

} // namespace gravelo::dsp
