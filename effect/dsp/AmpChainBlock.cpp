// The block form of the chain: the same per-sample steps as processSample,
// run stage by stage over up to kChunkFrames samples, each stage's state held
// in registers for its loop. No stage feeds an earlier one, so the order of
// the loops does not change any result.
#include "effect/AmpChain.h"

#include "runtime/Numeric.h"

#include <algorithm>
#include <cmath>

namespace {

inline double finiteOrZero(double x) { return std::isfinite(x) ? x : 0.0; }

// Legend: s band-split input → four bands u (× inputGain = w) → levelers →
// y band sum; the limiter threshold is measured on y here, before the tone.
void splitAndLevel(const dsp::ChainCoefficients& c, dsp::ChainState& st, const double* s,
                   double* y, double* threshold, int frames) {
    const double inputGain = c.controls.inputGain;
    const double c20ms = c.smoothing.c20ms, floor = c.controls.levelerFloor;
    dsp::BandSplitRunner split(c.bands, st.bands);
    dsp::BandLevelerRunner l1(c.levelers[0], st.levelers[0], c20ms, floor);
    dsp::BandLevelerRunner l2(c.levelers[1], st.levelers[1], c20ms, floor);
    dsp::BandLevelerRunner l3(c.levelers[2], st.levelers[2], c20ms, floor);
    dsp::BandLevelerRunner l4(c.levelers[3], st.levelers[3], c20ms, floor);
    dsp::LimiterRunner limiter(st.limiter, c.smoothing);
    for (int i = 0; i < frames; ++i) {
        const dsp::Bands u = split(s[i]);
        const double o1 = l1(u.u[0] * inputGain), o2 = l2(u.u[1] * inputGain);
        const double o3 = l3(u.u[2] * inputGain), o4 = l4(u.u[3] * inputGain);
        y[i] = o4 + (o3 + (o2 + o1));
        threshold[i] = limiter.threshold(y[i], c.smoothing.c1Hz);
    }
    split.store();
    l1.store();
    l2.store();
    l3.store();
    l4.store();
    limiter.store();
}

// Legend: K overshoot, g1..g3 gain envelopes; the output gain follows.
bool limitToOutput(const dsp::ChainCoefficients& c, dsp::ChainState& st, const double* y,
                   const double* threshold, double* out, int frames) {
    const double outputGain = c.controls.outputGain;
    dsp::LimiterRunner limiter(st.limiter, c.smoothing);
    bool clipped = false;
    for (int i = 0; i < frames; ++i)
        out[i] = finiteOrZero(limiter(y[i], threshold[i], clipped) * outputGain);
    limiter.store();
    return clipped;
}

} // namespace

void AmpChain::runChunk(const dsp::ChainCoefficients& c, const double* in, double* out,
                        int frames) {
    double s[kChunkFrames], y[kChunkFrames], threshold[kChunkFrames];
    dsp::ChainState& st = running;

    dsp::BiquadRunner lowCut(c.lowCut, st.lowCut);
    for (int i = 0; i < frames; ++i) s[i] = lowCut(finiteOrZero(in[i]) + noise);
    lowCut.store();

    const double dirt = c.controls.dirtAmount;
    if (!vobrix::isZero(dirt))
        dsp::runDriveBlock(c.drive, st.drive, s, y, frames, c.smoothing.c1Hz, dirt);
    splitInput = s[frames - 1];

    splitAndLevel(c, st, s, y, threshold, frames);
    dsp::runToneBlock(dsp::ToneSelection::of(c.tone, st.tone, c.controls), y, frames);
    if (limitToOutput(c, st, y, threshold, out, frames)) clip.store(1.0, std::memory_order_relaxed);
}

void AmpChain::processBlock(const double* in, double* out, int frames) {
    const dsp::ChainCoefficients& c = published.current();
    if (!c.ready()) {
        std::fill(out, out + std::max(frames, 0), 0.0);
        return;
    }
    for (int done = 0; done < frames; done += kChunkFrames)
        runChunk(c, in + done, out + done, std::min(kChunkFrames, frames - done));
}
