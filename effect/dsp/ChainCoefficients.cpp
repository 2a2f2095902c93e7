#include "ChainCoefficients.h"

namespace gravelo::dsp {

namespace {
using T = BiquadType;
}

void ChainCoefficients::designFixed(double sr) {
    sampleRate = sr;
    fixedDesigned = sr > 0.0;
    if (!fixedDesigned) return;
    smoothing = Smoothing::forSampleRate(sr);
    drive.sideChain = designBiquad(2000, 1, 0, T::HighPass, sr);
    drive.tone[0] = designBiquad(1000, 0.5, 0, T::LowPass, sr);
    drive.tone[1] = designBiquad(1000, 0.5, 0, T::AllPass, sr);
    drive.tone[2] = designBiquad(300, 0.9, 0, T::HighPass, sr);
    bands.band1 = designBiquad(80, 1, 0, T::LowPass, sr);
    bands.band2[0] = designBiquad(70, 1, 0, T::HighPass, sr);
    bands.band2[1] = designBiquad(220, 0.6, 0, T::LowPass, sr);
    bands.band3[0] = designBiquad(220, 0.6, 0, T::HighPass, sr);
    bands.band3[1] = designBiquad(1600, 0.7, 0, T::LowPass, sr);
}

// The control filters depend on the sample rate too, so a set designed
// before the first positive rate is not usable; the audio thread designs the
// controls again at each block until the rate is known.
void ChainCoefficients::designControls(const ControlValues& c) {
    controls = c;
    controlsDesigned = fixedDesigned;
    if (!controlsDesigned) return;
    const double sr = sampleRate;
    const double b = c.bass, m = c.middle, t = c.treble;
    lowCut = designBiquad(40, c.lowCutQ, 0, T::HighPass, sr);
    bands.band4 = designBiquad(c.presenceFreq, 0.7, 0, T::HighPass, sr);
    tone.bassUp[0] = designBiquad(110, 1.5, 3.3 * b, T::Peaking, sr);
    tone.bassUp[1] = designBiquad(160, 3, -2.5 * b, T::Peaking, sr);
    tone.bassDown[0] = designBiquad(60, 0.5, b, T::Peaking, sr);
    tone.middleUp[0] = designBiquad(1500, 2, 0.75 * m, T::Peaking, sr);
    tone.middleUp[1] = designBiquad(450, 0.5, 1.5 * m, T::Peaking, sr);
    tone.middleUp[2] = designBiquad(160, 1, -0.5 * m, T::Peaking, sr);
    tone.middleDown[0] = designBiquad(350, 2, 3 * m, T::Peaking, sr);
    tone.trebleUp[0] = designBiquad(6000, 0.5, 3 * t, T::Peaking, sr);
    tone.trebleUp[1] = designBiquad(1600, 2, t, T::Peaking, sr);
    tone.trebleUp[2] = designBiquad(2700, 3, -t, T::Peaking, sr);
    tone.trebleDown[0] = designBiquad(1200, 1.5, t, T::HighShelf, sr);
    tone.trebleDown[1] = designBiquad(2700, 2, 4 * t, T::Peaking, sr);

    const double release = c.releaseScale;
    const double times[kBandCount][2] = {
        {30, 60 * release}, {10, 60 * release}, {5, 40 * release}, {0, 60 * release}};
    const double k[kBandCount] = {3, 2, 4, 3};
    for (int band = 0; band < kBandCount; ++band) {
        levelers[band].attack = timeCoefficient(times[band][0], sr);
        levelers[band].release = timeCoefficient(times[band][1], sr);
        levelers[band].k = k[band];
    }
}

} // namespace gravelo::dsp
