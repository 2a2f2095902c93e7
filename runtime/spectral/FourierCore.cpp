#include "runtime/spectral/FourierCore.h"

#include <utility>

namespace gravelo::runtime::spectral {

namespace {

// cos, sin of 2*pi*k/16 for k = 1..7. Passes of 16 points and fewer read
// these with a stride instead of keeping tables that small.
constexpr double kCosEighthPi = 0.92387953251128675613;
constexpr double kSinEighthPi = 0.38268343236508977173;
constexpr double kHalfSqrt2 = 0.70710678118654752440;
// clang-format off
constexpr double kSixteenPoint[] = {
     kCosEighthPi, kSinEighthPi,
     kHalfSqrt2,   kHalfSqrt2,
     kSinEighthPi, kCosEighthPi,
     0.0,          1.0,
    -kSinEighthPi, kCosEighthPi,
    -kHalfSqrt2,   kHalfSqrt2,
    -kCosEighthPi, kSinEighthPi,
};
// clang-format on

// The twiddles of one pass of span points: exp(sign * 2*pi*i*j/span).
struct PassTwiddles {
    const double* pairs; // pair j starts at 2 * (j * stride - 1); j = 0 is 1 + 0i
    int stride;
    double sign;

    void at(int j, double& re, double& im) const {
        if (j == 0) {
            re = 1.0;
            im = 0.0;
            return;
        }
        const double* pair = pairs + 2 * (j * stride - 1);
        re = pair[0];
        im = sign * pair[1];
    }
};

PassTwiddles passTwiddles(int span, Direction direction) {
    const double sign = direction == Direction::forward ? -1.0 : 1.0;
    if (span >= kMinTwiddleTableSize) return {twiddlePairs(span), 1, sign};
    return {kSixteenPoint, 16 / span, sign};
}

void frequencyPass(double* data, int size, int span, const PassTwiddles& twiddles) {
    const int half = span / 2;
    for (int j = 0; j < half; ++j) {
        double wr, wi;
        twiddles.at(j, wr, wi);
        for (int b = j; b < size; b += span) {
            double* a = data + 2 * b;
            double* c = data + 2 * (b + half);
            const double dr = a[0] - c[0], di = a[1] - c[1];
            a[0] += c[0];
            a[1] += c[1];
            c[0] = dr * wr - di * wi;
            c[1] = dr * wi + di * wr;
        }
    }
}

void timePass(double* data, int size, int span, const PassTwiddles& twiddles) {
    const int half = span / 2;
    for (int j = 0; j < half; ++j) {
        double wr, wi;
        twiddles.at(j, wr, wi);
        for (int b = j; b < size; b += span) {
            double* a = data + 2 * b;
            double* c = data + 2 * (b + half);
            const double tr = c[0] * wr - c[1] * wi, ti = c[0] * wi + c[1] * wr;
            c[0] = a[0] - tr;
            c[1] = a[1] - ti;
            a[0] += tr;
            a[1] += ti;
        }
    }
}

} // namespace

void decimateInFrequency(double* data, int size, Direction direction) {
    for (int span = size; span >= 2; span /= 2)
        frequencyPass(data, size, span, passTwiddles(span, direction));
}

void decimateInTime(double* data, int size, Direction direction) {
    for (int span = 2; span <= size; span *= 2)
        timePass(data, size, span, passTwiddles(span, direction));
}

void permute(double* data, const Permutation& permutation) {
    for (const int32_t start : permutation.cycleStarts) {
        const double re = data[2 * start], im = data[2 * start + 1];
        int32_t i = start;
        for (int32_t next = permutation.target[i]; next != start; next = permutation.target[i]) {
            data[2 * i] = data[2 * next];
            data[2 * i + 1] = data[2 * next + 1];
            i = next;
        }
        data[2 * i] = re;
        data[2 * i + 1] = im;
    }
}

void permuteInverse(double* data, const Permutation& permutation) {
    for (const int32_t start : permutation.cycleStarts) {
        double re = data[2 * start], im = data[2 * start + 1];
        int32_t i = start;
        do {
            i = permutation.target[i];
            std::swap(re, data[2 * i]);
            std::swap(im, data[2 * i + 1]);
        } while (i != start);
    }
}

} // namespace gravelo::runtime::spectral
