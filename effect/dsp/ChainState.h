// Everything the chain changes as it runs: filter memories, envelopes and
// mean squares. Owned by the audio thread; all zero in the open state.
#pragma once

#include "BandLeveler.h"
#include "BandSplit.h"
#include "Biquad.h"
#include "ChainCoefficients.h"
#include "Drive.h"
#include "OutputLimiter.h"
#include "ToneStack.h"

namespace gravelo::dsp {

struct ChainState {
    BiquadState lowCut;   // C1
    DriveState drive;     // F1 to F4, ms1
    BandSplitState bands; // F5 to F9, C2
    BandLevelerState levelers[kBandCount];
    ToneStates tone;
    OutputLimiterState limiter;

    // False once any value became NaN or infinite; the chain then starts
    // over from the open state rather than carrying it on for ever.
    bool allFinite() const;
};

} // namespace gravelo::dsp
