// Shared helpers of the chain tests: frequency responses, a chain set up
// from slider values, and a reproducible bass-like test signal.
#pragma once

#include "effect/AmpChain.h"

#include <cmath>
#include <complex>
#include <memory>
#include <numbers>
#include <vector>

namespace gravelo::test::dsp {

constexpr double kRate = 48000.0;

inline double magnitudeDb(const gravelo::dsp::BiquadCoeffs& c, double frequency,
                          double sampleRate = kRate) {
    const std::complex<double> z1 = std::polar(1.0, -2 * std::numbers::pi * frequency / sampleRate);
    const std::complex<double> z2 = z1 * z1;
    const std::complex<double> h = (c.b0 + c.b1 * z1 + c.b2 * z2) / (1.0 + c.a1 * z1 + c.a2 * z2);
    return 20 * std::log10(std::abs(h));
}

// Sliders 1 to 9 by number; the defaults of the effect.
struct Sliders {
    gravelo::dsp::SliderValues s{0, 0, 0, 0, 0, 0, 0, 0, 8, 0};
    Sliders& set(int number, double value) {
        s[number] = value;
        return *this;
    }
};

inline Sliders worstCase() {
    return Sliders{}.set(1, 12).set(4, 6).set(5, 4).set(6, 3).set(7, 5);
}

// A chain on the heap (it is not movable: it holds atomics and a mutex),
// designed and with its first block begun.
inline std::unique_ptr<AmpChain> makeChain(const Sliders& sliders, double sampleRate = kRate) {
    auto chain = std::make_unique<AmpChain>();
    chain->open();
    chain->designFixed(sampleRate);
    chain->beginBlock();
    chain->followSliders(sliders.s);
    return chain;
}

// Plucked-string-like bursts on a low note with some overtones, loud enough
// to drive the levelers and the limiter, with quiet gaps between them.
inline std::vector<double> testSignal(int frames, double level = 0.5) {
    std::vector<double> x(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const double t = i / kRate;
        const double phase = std::fmod(t, 0.25);
        const double envelope = level * std::exp(-phase * 12.0);
        const double w = 2 * std::numbers::pi * 55.0 * t;
        x[static_cast<size_t>(i)] =
            envelope * (std::sin(w) + 0.4 * std::sin(3 * w) + 0.2 * std::sin(7.3 * w));
    }
    return x;
}

inline double rms(const double* x, size_t n) {
    double sum = 0.0;
    for (size_t i = 0; i < n; ++i)
        sum += x[i] * x[i];
    return n > 0 ? std::sqrt(sum / static_cast<double>(n)) : 0.0;
}

} // namespace gravelo::test::dsp
