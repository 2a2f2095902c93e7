// A cascade of biquads run as a wavefront: filter k works on sample n − 2k
// while filter 0 takes sample n, so neighbouring filters of the cascade are
// independent of each other within one step and run side by side, four
// filters in the lanes of one BiquadRunner<Quad>. Each filter still sees its
// own samples in order and runs runBiquad's arithmetic, so the output equals
// that of the plain cascade bit for bit; only the work of different filters
// is interleaved.
#pragma once

#include "Biquad.h"

#include <algorithm>

// 256-bit vectors by value (see Lanes.h); all inlined into the block form.
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
// 4g to 4g + 3 share the lanes of quad g (the last quad may have lanes to
// spare). twoBack and oneBack are the outputs of the steps t − 2 and t − 1.
template <int N>
inline void quadWavefront(const CascadeView& v, double (*ring)[kLag], double* y, int frames) {
    static_assert(N >= 2 && kLag == 2, "one filter has nothing to share lanes with");
    constexpr int G = (N + 3) / 4;
    constexpr int first = kLag * (N - 1);
    BiquadRunner<Quad> quads[G];
    Quad twoBack[G] = {}, oneBack[G] = {};
#pragma GCC unroll 2
    for (int g = 0; g < G; ++g)
        quads[g].load(v.coeffs + 4 * g, v.states + 4 * g, std::min(4, N - 4 * g));
#pragma GCC unroll 8
    for (int k = 0; k < N; ++k) {
        const int n1 = first - 1 - kLag * k, n2 = n1 - 1;
        oneBack[k / 4][k % 4] = n1 >= 0 ? ring[k][n1 % kLag] : 0.0;
        twoBack[k / 4][k % 4] = n2 >= 0 ? ring[k][n2 % kLag] : 0.0;
    }

    for (int t = first; t < frames; ++t) {
        Quad now[G];
        // Inputs from the step t − 2: the quad below's top lane (or the new
        // sample) and this quad's lower three lanes.
#pragma GCC unroll 2
        for (int g = 0; g < G; ++g) {
            const Quad below = g == 0 ? Quad{y[t], y[t], y[t], y[t]} : twoBack[g - 1];
            now[g] = quads[g](__builtin_shufflevector(below, twoBack[g], 3, 4, 5, 6));
        }
#pragma GCC unroll 2
        for (int g = 0; g < G; ++g) {
            twoBack[g] = oneBack[g];
            oneBack[g] = now[g];
        }
        y[t - first] = oneBack[(N - 1) / 4][(N - 1) % 4];
    }

#pragma GCC unroll 2
    for (int g = 0; g < G; ++g)
        quads[g].store();
#pragma GCC unroll 8
    for (int k = 0; k < N; ++k) {
        const int n1 = frames - 1 - kLag * k, n2 = n1 - 1;
        ring[k][n1 % kLag] = oneBack[k / 4][k % 4];
        if (n2 >= 0) ring[k][n2 % kLag] = twoBack[k / 4][k % 4];
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
