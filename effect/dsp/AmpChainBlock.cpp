// The block form of the chain: the same per-sample steps as processSample,
// run stage by stage over pieces of up to kPieceFrames samples, each stage's
// state held in registers for its loop. No stage feeds an earlier one, so
// the order of the loops does not change any result.
#include "effect/AmpChain.h"

#include "effect/dsp/Lanes.h"
#include "runtime/AudioPiece.h"
#include "runtime/Numeric.h"

#include <algorithm>

// The AVX copy needs GCC's target attribute on x86 with SSE2 arithmetic (the
// baseline copy must round exactly as the AVX one: no x87 registers).
#if defined(__GNUC__) && !defined(__clang__) && (defined(__x86_64__) || defined(__i386__)) &&      \
    defined(__SSE2_MATH__)
#define AMPCHAIN_WIDE_PATH 1
#else
#define AMPCHAIN_WIDE_PATH 0
#endif

// 256-bit vectors by value (see Lanes.h); all inlined into the copies.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace {

// Legend: s band-split input → four bands u (× inputGain = w) → levelers →
// y band sum; the limiter threshold is measured on y here, before the tone.
// Lanes: (F5, F6, F8, C2) all read s; (−, F7, F9, −) finish bands 2 and 3
// in the lanes their inputs come out in, so no lane moves; the four
// levelers side by side.
void splitAndLevel(const gravelo::dsp::ChainCoefficients& c, gravelo::dsp::ChainState& st,
                   const double* s, double* y, double* threshold, int frames) {
    const double g = c.controls.inputGain;
    const gravelo::dsp::Quad inputGain = {g, g, g, g};
    const gravelo::dsp::BandSplitFilters& f = c.bands;
    gravelo::dsp::BandSplitState& fs = st.bands;
    gravelo::dsp::BiquadRunner<gravelo::dsp::Quad> readS(
        {&f.band1, &f.band2[0], &f.band3[0], &f.band4},
        {&fs.band1, &fs.band2[0], &fs.band3[0], &fs.band4});
    gravelo::dsp::BiquadRunner<gravelo::dsp::Quad> f7f9;
    const gravelo::dsp::BiquadCoeffs* const f7f9Coeffs[] = {&f.band2[1], &f.band3[1]};
    gravelo::dsp::BiquadState* const f7f9States[] = {&fs.band2[1], &fs.band3[1]};
    f7f9.load(f7f9Coeffs, f7f9States, 2, 1);
    gravelo::dsp::LevelerQuadRunner levelers(c.levelers, st.levelers, c.smoothing.c20ms,
                                             c.controls.levelerFloor);
    gravelo::dsp::LimiterRunner limiter(st.limiter, c.smoothing);
    // Two loops, each short enough from its inputs to its outputs that the
    // processor overlaps many samples of it: the band filters into w; then
    // the levelers, the band sum and ms2, where the division of the gains
    // runs while the envelopes' recurrences wait on each other.
    gravelo::dsp::Quad w[gravelo::runtime::kPieceFrames];
    for (int i = 0; i < frames; ++i) {
        const gravelo::dsp::Quad u1t2t3u4 = readS(gravelo::dsp::Quad{s[i], s[i], s[i], s[i]});
        const gravelo::dsp::Quad xu2u3x = f7f9(u1t2t3u4);
        w[i] = __builtin_shufflevector(u1t2t3u4, xu2u3x, 0, 5, 6, 3) * inputGain;
    }
    for (int i = 0; i < frames; ++i) {
        const gravelo::dsp::Quad o = levelers(w[i]);
        y[i] = o[3] + (o[2] + (o[1] + o[0]));
        threshold[i] = limiter.meanSquare(y[i], c.smoothing.c1Hz);
    }
    readS.store();
    f7f9.store();
    levelers.store();
    limiter.store();
    gravelo::dsp::lanewise(frames, threshold, threshold, threshold,
                           [](auto ms2, auto) { return gravelo::dsp::thresholdOf(ms2); });
}

// Legend: K overshoot, g1..g3 gain envelopes; the output gain follows. Only
// the envelopes run a sample at a time; K and the division by g3 take four
// samples at a time. `threshold` ends holding K, `g3` the last envelope.
bool limitToOutput(const gravelo::dsp::ChainCoefficients& c, gravelo::dsp::ChainState& st,
                   const double* y, double* threshold, double* g3, double* out, int frames) {
    const double outputGain = c.controls.outputGain;
    gravelo::dsp::lanewise(frames, threshold, y, threshold,
                           [](auto x, auto t) { return gravelo::dsp::overshoot(x, t); });
    gravelo::dsp::LimiterRunner limiter(st.limiter, c.smoothing);
    bool clipped = false;
    for (int i = 0; i < frames; ++i)
        g3[i] = limiter(threshold[i], clipped);
    limiter.store();
    gravelo::dsp::lanewise(frames, out, y, g3, [outputGain](auto x, auto g) {
        return gravelo::dsp::finiteOrZero(gravelo::dsp::limited(x, g) * outputGain);
    });
    return clipped;
}

// One piece through the whole chain; answers whether the limiter clipped.
[[gnu::always_inline]] inline bool pieceSteps(const gravelo::dsp::ChainCoefficients& c,
                                              gravelo::dsp::ChainState& st, double noise,
                                              const double* in, double* out, int frames,
                                              double& splitInput) {
    double s[gravelo::runtime::kPieceFrames], y[gravelo::runtime::kPieceFrames],
        threshold[gravelo::runtime::kPieceFrames];

    // The input with the noise offset, four samples at a time, then the filter.
    gravelo::dsp::lanewise(frames, s, in, in,
                           [noise](auto x, auto) { return gravelo::dsp::finiteOrZero(x) + noise; });
    gravelo::dsp::BiquadRunner<double> lowCut(c.lowCut, st.lowCut);
    const double dirt = c.controls.dirtAmount;
    if (gravelo::runtime::isZero(dirt)) {
        for (int i = 0; i < frames; ++i)
            s[i] = lowCut(s[i]);
    } else {
        // The drive's side chain reads s as it is made: its recurrences run
        // beside the input filter's. Its samples wait in y, their ms1 in threshold.
        gravelo::dsp::DriveSideRunner drive(c.drive, st.drive, c.smoothing.c1Hz);
        for (int i = 0; i < frames; ++i) {
            s[i] = lowCut(s[i]);
            y[i] = drive(s[i], threshold[i]);
        }
        drive.store();
        gravelo::dsp::finishDriveBlock(c.drive, st.drive, s, y, threshold, frames, dirt);
    }
    lowCut.store();
    splitInput = s[frames - 1];

    splitAndLevel(c, st, s, y, threshold, frames);
    gravelo::dsp::runToneBlock(gravelo::dsp::ToneSelection::of(c.tone, st.tone, c.controls), y,
                               frames);
    // s is free again: it takes the limiter's envelope.
    return limitToOutput(c, st, y, threshold, s, out, frames);
}

// The same steps compiled twice: for the baseline instruction set, and with
// the three-operand AVX encodings where the processor has them. AVX here
// only changes how the very same double-precision operations are encoded
// (fewer register copies); it brings no fused multiply-add, which would
// round differently, so both copies give identical results. Everything is
// inlined into each copy (flatten), so the AVX code never leaks into the
// baseline path.
[[gnu::flatten]] bool pieceBaseline(const gravelo::dsp::ChainCoefficients& c,
                                    gravelo::dsp::ChainState& st, double noise, const double* in,
                                    double* out, int frames, double& splitInput) {
    return pieceSteps(c, st, noise, in, out, frames, splitInput);
}

#if AMPCHAIN_WIDE_PATH
[[gnu::flatten, gnu::target("avx")]] bool pieceWide(const gravelo::dsp::ChainCoefficients& c,
                                                    gravelo::dsp::ChainState& st, double noise,
                                                    const double* in, double* out, int frames,
                                                    double& splitInput) {
    return pieceSteps(c, st, noise, in, out, frames, splitInput);
}
#endif

} // namespace

bool AmpChain::wideInstructionsAvailable() {
#if AMPCHAIN_WIDE_PATH
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx");
#else
    return false;
#endif
}

void AmpChain::useWideInstructions(bool wide) {
    widePieces = wide && wideInstructionsAvailable();
}

void AmpChain::runPiece(const gravelo::dsp::ChainCoefficients& c, const double* in, double* out,
                        int frames) {
#if AMPCHAIN_WIDE_PATH
    const bool clipped = widePieces ? pieceWide(c, running, noise, in, out, frames, splitInput)
                                    : pieceBaseline(c, running, noise, in, out, frames, splitInput);
#else
    const bool clipped = pieceBaseline(c, running, noise, in, out, frames, splitInput);
#endif
    if (clipped) clip.store(1.0, std::memory_order_relaxed);
}

void AmpChain::processBlock(const double* in, double* out, int frames) {
    const gravelo::dsp::ChainCoefficients& c = *adopted;
    if (!c.ready()) {
        std::fill(out, out + std::max(frames, 0), 0.0);
        return;
    }
    for (int done = 0; done < frames; done += gravelo::runtime::kPieceFrames)
        runPiece(c, in + done, out + done, std::min(gravelo::runtime::kPieceFrames, frames - done));
}
