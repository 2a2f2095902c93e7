// A cascade of biquads run as a wavefront: filter k works on sample n − 2k
// while filter 0 takes sample n, so neighbouring filters of the cascade are
// independent of each other within one step and run side by side, four
// filters in the lanes of one 256-bit vector (two 128-bit halves without AVX). Each filter still
// sees its own samples in order and does exactly the arithmetic of runBiquad (the same operations
// in the same order), so the output equals that of the plain cascade bit for bit; only the work of
// different filters is interleaved.
#pragma once

#include "BandLanes.h"
#include "Biquad.h"

// 256-bit vectors passed by value: GCC notes that their calling convention
// differs with and without AVX. These functions are all inlined into the
// block form's copies, never called across that boundary.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

namespace dsp {

constexpr int kMaxCascade = 8;

// Filters of a cascade in signal order; the pointers stay valid for the block.
struct CascadeView {
    const BiquadCoeffs* coeffs[kMaxCascade] = {};
    BiquadState* states[kMaxCascade] = {};
    int count = 0;

    void add(const BiquadCoeffs* c, BiquadState* s, int n) {
        for (int i = 0; i < n; ++i) {
            coeffs[count] = c + i;
            states[count] = s + i;
            ++count;
        }
    }
};

namespace detail {

// Filter k works kLag samples behind filter k − 1. With a lag of one, each
// step would wait for the whole multiply-add chain of the step before (the
// lanes hand their outputs on at once); with two, the chain of one step
// overlaps the next and the steps run at the pace of each filter's own
// recurrence.
constexpr int kLag = 2;

// Legend: ring[k][n % kLag] holds filter k's output for sample n until
// filter k + 1 takes it kLag steps later. One wavefront step t: every filter
// whose sample n = t − kLag·k exists takes it from the ring below (top
// filter first, so the slot is read before the filter below refills it); the
// sample leaving the top is t − kLag·(N − 1).
template <int N>
inline void scalarWavefrontStep(const CascadeView& v, double (*ring)[kLag], double* y, int t,
                                int frames) {
    for (int k = N - 1; k >= 0; --k) {
        const int n = t - kLag * k;
        if (n < 0 || n >= frames) continue;
        ring[k][n % kLag] =
            runBiquad(*v.coeffs[k], *v.states[k], k == 0 ? y[n] : ring[k - 1][n % kLag]);
    }
    const int n = t - kLag * (N - 1);
    if (n >= 0 && n < frames) y[n] = ring[N - 1][n % kLag];
}

// Steps kLag·(N − 1) .. frames − 1, where every filter has a sample: filters
// 4g to 4g + 3 share the lanes of quad g. Lanes past the last filter only
// carry values nobody reads (zero coefficients; their state is never stored).
// twoBack and oneBack are the outputs of the steps t − 2 and t − 1.
template <int N>
inline void quadWavefront(const CascadeView& v, double (*ring)[kLag], double* y, int frames) {
    static_assert(N >= 2 && kLag == 2, "one filter has nothing to share lanes with");
    constexpr int G = (N + 3) / 4;
    constexpr int first = kLag * (N - 1);
    Quad b0[G] = {}, b1[G] = {}, b2[G] = {}, a1[G] = {}, a2[G] = {};
    Quad x1[G] = {}, x2[G] = {}, y1[G] = {}, y2[G] = {}, twoBack[G] = {}, oneBack[G] = {};
#pragma GCC unroll 8
    for (int k = 0; k < N; ++k) {
        const BiquadCoeffs& c = *v.coeffs[k];
        const BiquadState& s = *v.states[k];
        const int g = k / 4, lane = k % 4;
        b0[g][lane] = c.b0;
        b1[g][lane] = c.b1;
        b2[g][lane] = c.b2;
        a1[g][lane] = c.a1;
        a2[g][lane] = c.a2;
        x1[g][lane] = s.x1;
        x2[g][lane] = s.x2;
        y1[g][lane] = s.y1;
        y2[g][lane] = s.y2;
        const int n1 = first - 1 - kLag * k, n2 = n1 - 1;
        oneBack[g][lane] = n1 >= 0 ? ring[k][n1 % kLag] : 0.0;
        twoBack[g][lane] = n2 >= 0 ? ring[k][n2 % kLag] : 0.0;
    }

    for (int t = first; t < frames; ++t) {
        Quad now[G];
        // Inputs from the step t − 2: the quad below's top lane (or the new
        // sample) and this quad's lower three lanes.
#pragma GCC unroll 2
        for (int g = 0; g < G; ++g) {
            const Quad below = g == 0 ? Quad{y[t], y[t], y[t], y[t]} : twoBack[g - 1];
            const Quad x = __builtin_shufflevector(below, twoBack[g], 3, 4, 5, 6);
            now[g] = b0[g] * x + b1[g] * x1[g] + b2[g] * x2[g] - a1[g] * y1[g] - a2[g] * y2[g];
            x2[g] = x1[g];
            x1[g] = x;
            y2[g] = y1[g];
            y1[g] = now[g];
        }
#pragma GCC unroll 2
        for (int g = 0; g < G; ++g) {
            twoBack[g] = oneBack[g];
            oneBack[g] = now[g];
        }
        y[t - first] = oneBack[(N - 1) / 4][(N - 1) % 4];
    }

#pragma GCC unroll 8
    for (int k = 0; k < N; ++k) {
        const int g = k / 4, lane = k % 4;
        *v.states[k] = BiquadState{x1[g][lane], x2[g][lane], y1[g][lane], y2[g][lane]};
        const int n1 = frames - 1 - kLag * k, n2 = n1 - 1;
        ring[k][n1 % kLag] = oneBack[g][lane];
        if (n2 >= 0) ring[k][n2 % kLag] = twoBack[g][lane];
    }
}

template <int N> inline void runWavefront(const CascadeView& v, double* y, int frames) {
    double ring[N][kLag] = {};
    constexpr int first = kLag * (N - 1);
    int t = 0;
    if (frames > first) {
        for (; t < first; ++t)
            scalarWavefrontStep<N>(v, ring, y, t, frames); // filling
        quadWavefront<N>(v, ring, y, frames);
        t = frames;
    }
    for (; t < frames + first; ++t)
        scalarWavefrontStep<N>(v, ring, y, t, frames); // draining
}

} // namespace detail

// The cascade over a block, in place.
inline void runCascadeLanes(const CascadeView& v, double* y, int frames) {
    switch (v.count) {
    case 1:
        runBiquadBlock(*v.coeffs[0], *v.states[0], y, y, frames);
        break;
    case 2:
        detail::runWavefront<2>(v, y, frames);
        break;
    case 3:
        detail::runWavefront<3>(v, y, frames);
        break;
    case 4:
        detail::runWavefront<4>(v, y, frames);
        break;
    case 5:
        detail::runWavefront<5>(v, y, frames);
        break;
    case 6:
        detail::runWavefront<6>(v, y, frames);
        break;
    case 7:
        detail::runWavefront<7>(v, y, frames);
        break;
    case 8:
        detail::runWavefront<8>(v, y, frames);
        break;
    default:
        break;
    }
}

} // namespace dsp

#pragma GCC diagnostic pop
