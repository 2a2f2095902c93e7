#include "effect/AmpChain.h"

#include "runtime/Numeric.h"

#include <cmath>

namespace {

constexpr double kSignalPresent = 0.001; // band-split level above which the meters follow the gains
constexpr double kNoiseScale = 1e-10;    // full-scale noise offset

} // namespace

void AmpChain::open() {
    published.reset();
    adopted = &published.current();
    useWideInstructions(true);
    restart();
}

void AmpChain::restart() {
    running = gravelo::dsp::ChainState{};
    splitInput = 0.0;
    noiseSource.reset();
    noise = 0.0;
    for (SharedValue& gain : displayed)
        gain = 0.0;
    splitInputShown = 0.0;
    clip.store(0.0, std::memory_order_relaxed);
}

void AmpChain::designFixed(double sampleRate) {
    published.publish([&](gravelo::dsp::ChainCoefficients& c) { c.designFixed(sampleRate); });
}

void AmpChain::redesignControls(const gravelo::dsp::SliderValues& sliders) {
    followed = sliders;
    const gravelo::dsp::ControlValues controls = gravelo::dsp::ControlValues::fromSliders(sliders);
    published.editCurrent([&](gravelo::dsp::ChainCoefficients& c) { c.designControls(controls); });
}

void AmpChain::beginBlock() {
    adopted = &published.acquire();
    if (!running.allFinite()) running = gravelo::dsp::ChainState{};

    // In silence the meters drift to 0.99 instead of freezing on the last gain.
    splitInputShown = splitInput;
    const bool signalPresent = std::fabs(splitInput) > kSignalPresent;
    for (int band = 0; band < gravelo::dsp::kBandCount; ++band) {
        const double g = displayed[band];
        displayed[band] = signalPresent ? running.levelers[band].gain : (100 * g + 1) * 0.0099;
    }

    noise =
        static_cast<double>(noiseSource.next()) / gravelo::dsp::NoiseSource::kMaximum * kNoiseScale;
}

double AmpChain::processSample(double input) {
    const gravelo::dsp::ChainCoefficients& c = *adopted;
    if (!c.ready()) return 0.0;
    const gravelo::dsp::Smoothing& sm = c.smoothing;
    const gravelo::dsp::ControlValues& cv = c.controls;
    gravelo::dsp::ChainState& st = running;

    double s = runBiquad(c.lowCut, st.lowCut, gravelo::runtime::finiteOrZero(input) + noise);
    if (!gravelo::runtime::isZero(cv.dirtAmount))
        s = s + runDrive(c.drive, st.drive, s, sm.c1Hz, cv.dirtAmount);
    splitInput = s;

    const gravelo::dsp::Bands bands = runBandSplit(c.bands, st.bands, s);
    double out[gravelo::dsp::kBandCount];
    for (int b = 0; b < gravelo::dsp::kBandCount; ++b)
        out[b] = runBandLeveler(c.levelers[b], st.levelers[b], bands.u[b] * cv.inputGain, sm.c20ms,
                                cv.levelerFloor);
    double y = out[3] + (out[2] + (out[1] + out[0]));
    const double threshold = limiterThreshold(st.limiter, y, sm.c1Hz);

    y = runTone(gravelo::dsp::ToneSelection::of(c.tone, st.tone, cv), y);

    bool clipped = false;
    y = runLimiter(st.limiter, sm, y, threshold, clipped) * cv.outputGain;
    if (clipped) clip.store(1.0, std::memory_order_relaxed);
    // A state gone non-finite shows here first; beginBlock then resets it.
    return gravelo::runtime::finiteOrZero(y);
}
