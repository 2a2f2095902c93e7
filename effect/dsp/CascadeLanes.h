// A cascade of biquads run as a wavefront: filter k works on sample n − k
// while filter 0 takes sample n, so neighbouring filters of the cascade are
// independent of each other within one step and run in pairs, two filters in
// the lanes of one 128-bit vector. Each filter still sees its own samples in
// order and does exactly the arithmetic of runBiquad (the same operations in
// the same order), so the output equals that of the plain cascade bit for bit;
// only the work of different filters is interleaved.
#pragma once

#include "BandLanes.h"
#include "Biquad.h"

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

// Legend: link[k] is filter k's last output, the next input of filter k + 1.
// One wavefront step t: every filter whose sample t − k exists takes its
// input from the link below it (top filter first, so each reads the link of
// the step before); the sample leaving the top is t − (N − 1).
template <int N>
inline void scalarWavefrontStep(const CascadeView& v, double* link, double* y, int t, int frames) {
    for (int k = N - 1; k >= 0; --k) {
        const int n = t - k;
        if (n < 0 || n >= frames) continue;
        link[k] = runBiquad(*v.coeffs[k], *v.states[k], k == 0 ? y[n] : link[k - 1]);
    }
    if (t >= N - 1 && t - (N - 1) < frames) y[t - (N - 1)] = link[N - 1];
}

// Steps N − 1 .. frames − 1, where every filter has a sample: filters 2j and
// 2j + 1 form pair j; an odd last filter runs alone.
template <int N>
inline void pairedWavefront(const CascadeView& v, double* link, double* y, int frames) {
    static_assert(N >= 2, "a single filter has nothing to pair with");
    constexpr int P = N / 2;
    constexpr bool odd = N % 2 != 0;
    Pair b0[P], b1[P], b2[P], a1[P], a2[P], x1[P], x2[P], y1[P], y2[P], out[P];
    // Unrolled loops over the pairs let the arrays live in registers.
#pragma GCC unroll 4
    for (int j = 0; j < P; ++j) {
        const BiquadCoeffs &p = *v.coeffs[2 * j], &q = *v.coeffs[2 * j + 1];
        const BiquadState &ps = *v.states[2 * j], &qs = *v.states[2 * j + 1];
        b0[j] = Pair{p.b0, q.b0};
        b1[j] = Pair{p.b1, q.b1};
        b2[j] = Pair{p.b2, q.b2};
        a1[j] = Pair{p.a1, q.a1};
        a2[j] = Pair{p.a2, q.a2};
        x1[j] = Pair{ps.x1, qs.x1};
        x2[j] = Pair{ps.x2, qs.x2};
        y1[j] = Pair{ps.y1, qs.y1};
        y2[j] = Pair{ps.y2, qs.y2};
        out[j] = Pair{link[2 * j], link[2 * j + 1]};
    }
    BiquadCoeffs lastCoeffs{};
    BiquadState lastState{};
    if constexpr (odd) {
        lastCoeffs = *v.coeffs[N - 1];
        lastState = *v.states[N - 1];
    }
    BiquadRunner last(lastCoeffs, lastState);
    double lastOut = link[N - 1];

    for (int t = N - 1; t < frames; ++t) {
        if constexpr (odd) lastOut = last(out[P - 1][1]);
#pragma GCC unroll 4
        for (int j = P - 1; j >= 0; --j) {
            const Pair x = j == 0 ? Pair{y[t], out[0][0]} : Pair{out[j - 1][1], out[j][0]};
            const Pair r = b0[j] * x + b1[j] * x1[j] + b2[j] * x2[j] - a1[j] * y1[j] - a2[j] * y2[j];
            x2[j] = x1[j];
            x1[j] = x;
            y2[j] = y1[j];
            y1[j] = r;
            out[j] = r;
        }
        if constexpr (odd)
            y[t - (N - 1)] = lastOut;
        else
            y[t - (N - 1)] = out[P - 1][1];
    }

#pragma GCC unroll 4
    for (int j = 0; j < P; ++j) {
        *v.states[2 * j] = BiquadState{x1[j][0], x2[j][0], y1[j][0], y2[j][0]};
        *v.states[2 * j + 1] = BiquadState{x1[j][1], x2[j][1], y1[j][1], y2[j][1]};
        link[2 * j] = out[j][0];
        link[2 * j + 1] = out[j][1];
    }
    if constexpr (odd) {
        last.store();
        *v.states[N - 1] = lastState;
        link[N - 1] = lastOut;
    }
}

template <int N> inline void runWavefront(const CascadeView& v, double* y, int frames) {
    double link[N] = {};
    int t = 0;
    if (frames > N - 1) {
        for (; t < N - 1; ++t) scalarWavefrontStep<N>(v, link, y, t, frames); // filling
        pairedWavefront<N>(v, link, y, frames);
        t = frames;
    }
    for (; t < frames + N - 1; ++t) scalarWavefrontStep<N>(v, link, y, t, frames); // draining
}

} // namespace detail

// The cascade over a block, in place.
inline void runCascadeLanes(const CascadeView& v, double* y, int frames) {
    switch (v.count) {
    case 1: runBiquadBlock(*v.coeffs[0], *v.states[0], y, y, frames); break;
    case 2: detail::runWavefront<2>(v, y, frames); break;
    case 3: detail::runWavefront<3>(v, y, frames); break;
    case 4: detail::runWavefront<4>(v, y, frames); break;
    case 5: detail::runWavefront<5>(v, y, frames); break;
    case 6: detail::runWavefront<6>(v, y, frames); break;
    case 7: detail::runWavefront<7>(v, y, frames); break;
    case 8: detail::runWavefront<8>(v, y, frames); break;
    default: break;
    }
}

} // namespace dsp
