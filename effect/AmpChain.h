// The amplifier's signal chain: input high-pass, drive, four leveled bands,
// tone sections and the crest-factor limiter, in 64-bit floating point.
//
// Threads. The rate's part of the coefficient set is designed on the thread
// that runs the effect's init and handed to the audio thread whole; the audio
// thread adopts the newest set at the start of each block (beginBlock) and
// designs the controls' part into it itself (followSliders), so a block never
// runs on a half-written set and no other thread designs for the controls.
// The audio thread owns the running state. The panel reads the meter values below from the
// user-interface thread; they are relaxed atomics.
#pragma once

#include "dsp/ChainCoefficients.h"
#include "dsp/ChainState.h"
#include "dsp/NoiseSource.h"
#include "dsp/Published.h"
#include "runtime/SharedValue.h"

#include <atomic>

// The host values the effect keeps copies of (read at init and per block).
// Only the sample rate is used by the chain; the rest are carried for the
// effect's own script-like state.
struct HostValues {
    SharedValue sampleRate, inputCount, blockSize, tempo;
    SharedValue timeSigNumerator, timeSigDenominator;
    SharedValue transport; // 1 playing, plus 4 when recording
    SharedValue musicalPosition;
};

class AmpChain {
  public:
    // Open state: every coefficient, state, meter and the noise generator back
    // to the start. Only while no other thread uses the chain (effOpen, and a
    // format's activation, which must sound like a new instance).
    void open();
    // Audio thread (or none): everything that runs back to the open state
    // (filters, levelers, limiter, the noise generator's sequence, meters and
    // the clip flag), keeping the coefficients, which depend only on the rate
    // and the controls. What follows sounds as from a new instance.
    void restart();

    // Any thread but the audio thread; published whole, picked up by the
    // audio thread at its next block.
    void designFixed(double sampleRate);
    // Audio thread, after beginBlock: the set the chain runs on follows the
    // sliders from the next sample on, its control part redesigned in place
    // (no lock, no allocation) when they differ from the sliders it was last
    // designed for or the set is new.
    void followSliders(const gravelo::dsp::SliderValues& sliders) {
        // Sliders are never NaN (the rules refuse it); a redesign from equal
        // values gives equal coefficients. Inline: most blocks end here.
        if (sliders == followed && published.current().controlsDesigned) return;
        redesignControls(sliders);
    }

    // Audio thread, once per host block before its samples: adopts the
    // newest coefficients, starts over from the open state if the state went
    // non-finite, refreshes the displayed gains, draws the noise offset.
    void beginBlock();

    // Audio thread. The reference form, one sample at a time, exactly in the
    // order of the signal flow; answers the output for both channels.
    double processSample(double input);
    // Audio thread. The same chain stage by stage over a block; results equal
    // those of processSample sample for sample. `out` may equal `in`.
    void processBlock(const double* in, double* out, int frames);

    // Whether pieces run in the AVX-encoded copy of the block form (chosen at
    // open() when the processor has AVX; same results either way). Tests
    // switch it to check both copies; only while the audio thread is idle.
    static bool wideInstructionsAvailable();
    void useWideInstructions(bool wide);
    bool usesWideInstructions() const { return widePieces; }

    // Panel side (any thread). Band 0..3; the meters show these.
    double displayedGain(int band) const { return displayed[band].load(); }
    // 1 after a sample went over the limiter's threshold, else 0.
    double clipFlag() const { return clip.load(std::memory_order_relaxed); }
    void clearClipFlag() { clip.store(0.0, std::memory_order_relaxed); }
    // Reads and clears in one step, so a clip raised in between is not lost.
    double takeClipFlag() { return clip.exchange(0.0, std::memory_order_relaxed); }
    // For a panel whose audio runs in another instance (a UI in a process of
    // its own): shows what that instance reported.
    void showReportedGain(int band, double gain) { displayed[band] = gain; }
    void showReportedClip(double flag) { clip.store(flag, std::memory_order_relaxed); }
    // The signal entering the band split at the last sample of the last block.
    double bandSplitInput() const { return splitInputShown.load(); }

    // Audio thread (and tests): what the chain runs on and with.
    const gravelo::dsp::ChainCoefficients& coefficients() const { return *adopted; }
    const gravelo::dsp::ChainState& state() const { return running; }
    double noiseOffset() const { return noise; }

    HostValues host;

  private:
    void redesignControls(const gravelo::dsp::SliderValues& sliders);
    void runPiece(const gravelo::dsp::ChainCoefficients& c, const double* in, double* out,
                  int frames);

    gravelo::dsp::Published<gravelo::dsp::ChainCoefficients> published;
    // The set the audio thread runs on: the one beginBlock (or open) took
    // from `published`, reached through one pointer on every sample.
    const gravelo::dsp::ChainCoefficients* adopted = &published.current();
    gravelo::dsp::ChainState running;
    gravelo::dsp::NoiseSource noiseSource;
    gravelo::dsp::SliderValues followed{}; // the sliders the control part was designed for
    double noise = 0.0;                    // offset added to every input sample of the block
    double splitInput = 0.0;               // audio thread's own copy of the band-split input
    bool widePieces = false;

    SharedValue displayed[gravelo::dsp::kBandCount];
    SharedValue splitInputShown;
    std::atomic<double> clip{0.0};
};
