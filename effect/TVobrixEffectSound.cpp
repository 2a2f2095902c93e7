#include "TVobrixEffect.h"

#include "runtime/Numeric.h"
#include "runtime/VeSTServices.h"

#include <algorithm>

void TVobrixEffect::doInit() {
    HostValues& h = amp.host;
    // Host values that are NaN or infinite are kept as 0.
    h.sampleRate = gravelo::runtime::finiteOrZero(VeSTGetSampleRate(shell));
    h.inputCount = gravelo::runtime::finiteOrZero(VeSTGetNumInputs(shell));
    h.blockSize = gravelo::runtime::finiteOrZero(VeSTGetBlockSize(shell));
    h.tempo = gravelo::runtime::finiteOrZero(VeSTGetTempo(shell));
    gfxRate = redrawRate;
    amp.designFixed(h.sampleRate);
}

gravelo::dsp::SliderValues TVobrixEffect::controlSliders() const {
    gravelo::dsp::SliderValues s;
    s[0] = 0.0;
    for (int number = 1; number <= kSliderCount; ++number)
        s[static_cast<size_t>(number)] = sliderValues[static_cast<size_t>(number)];
    return s;
}

void TVobrixEffect::controlUpdate() {
    amp.followSliders(controlSliders());
}

// The transport is refreshed for the effect's own copies only; the sound
// does not depend on it.
void TVobrixEffect::doBlock() {
    HostValues& h = amp.host;
    double tempo = 0.0, numerator = 0.0, denominator = 0.0;
    VeSTGetTempoAndTimeSig(shell, &tempo, &numerator, &denominator);
    h.tempo = tempo;
    h.timeSigNumerator = numerator;
    h.timeSigDenominator = denominator;
    h.transport = VeSTIsPlaying(shell) + 4 * VeSTIsRecording(shell);
    h.musicalPosition = VeSTGetPpqPos(shell);
    amp.beginBlock();
    controlUpdate();
}

// Mono in (slot 0), the same result on both outputs.
void TVobrixEffect::doSample() {
    const double out = amp.processSample(samples[0]);
    samples[0] = out;
    samples[1] = out;
}

bool TVobrixEffect::processBlock(double* const* channels, int32_t count, int32_t frames) {
    if (count != 2) return false;
    if (frames <= 0) return true;
    amp.processBlock(channels[0], channels[0], frames);
    std::copy(channels[0], channels[0] + frames, channels[1]);
    // The slots end as the sample hook would leave them.
    samples[0] = samples[1] = channels[0][frames - 1];
    return true;
}
