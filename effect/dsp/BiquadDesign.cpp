#include "Biquad.h"
#include "OwnMath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gravelo::dsp {

namespace {

struct Raw {
    double b0, b1, b2, a0, a1, a2;
};

// The eight cookbook forms; A, r = √|A|/Q, sn, cs and alpha come from the design.
Raw rawCoefficients(int type, double A, double r, double sn, double cs, double alpha) {
    switch (type) {
    case 1:
        return {A * ((A + 1) - (A - 1) * cs + r * sn), 2 * A * ((A - 1) - (A + 1) * cs),
                A * ((A + 1) - (A - 1) * cs - r * sn), (A + 1) + (A - 1) * cs + r * sn,
                -2 * ((A - 1) + (A + 1) * cs),         (A + 1) + (A - 1) * cs - r * sn};
    case 2:
        return {A * ((A + 1) + (A - 1) * cs + r * sn), -2 * A * ((A - 1) + (A + 1) * cs),
                A * ((A + 1) + (A - 1) * cs - r * sn), (A + 1) - (A - 1) * cs + r * sn,
                2 * ((A - 1) - (A + 1) * cs),          (A + 1) - (A - 1) * cs - r * sn};
    case 3:
        return {1 + alpha * A, -2 * cs, 1 - alpha * A, 1 + alpha / A, -2 * cs, 1 - alpha / A};
    case 4:
        return {(1 - cs) / 2, 1 - cs, (1 - cs) / 2, 1 + alpha, -2 * cs, 1 - alpha};
    case 5:
        return {(1 + cs) / 2, -(1 + cs), (1 + cs) / 2, 1 + alpha, -2 * cs, 1 - alpha};
    case 6:
        return {alpha, 0, -alpha, 1 + alpha, -2 * cs, 1 - alpha};
    case 7:
        return {1, -2 * cs, 1, 1 + alpha, -2 * cs, 1 - alpha};
    default:
        return {1 - alpha, -2 * cs, 1 + alpha, 1 + alpha, -2 * cs, 1 - alpha};
    }
}

// Designs pass whole type numbers; anything between two of them takes the
// nearer one rather than an arbitrary form.
int typeNumber(double clampedType) {
    return static_cast<int>(std::lround(clampedType));
}

} // namespace

BiquadCoeffs designBiquad(double frequency, double q, double gainDb, double type,
                          double sampleRate) {
    type = std::min(std::max(type, 1.0), 8.0);
    q = std::min(std::max(q, 0.01), 10.0);
    frequency = std::min(std::max(frequency, 0.1), sampleRate / 2);

    const double A = math::exp10(gainDb / 40);
    const double w0 = 2 * std::numbers::pi * frequency / sampleRate;
    const double sinW0 = math::sin(w0);
    const double cosW0 = math::cos(w0);
    const double alpha = sinW0 / (2 * q);
    const double sqrtAOverQ = std::sqrt(std::fabs(A)) / q;

    const Raw raw = rawCoefficients(typeNumber(type), A, sqrtAOverQ, sinW0, cosW0, alpha);
    return {raw.b0 / raw.a0, raw.b1 / raw.a0, raw.b2 / raw.a0, raw.a1 / raw.a0, raw.a2 / raw.a0};
}

} // namespace gravelo::dsp
