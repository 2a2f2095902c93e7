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
#include <type_traits>

// 256-bit vectors by value (see Lanes.h); all inlined into the block form.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

namespace gravelo::dsp {

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

// Legend: step t runs filter k on sample n = t − kLag·k, filters 4g to
// 4g + 3 in the lanes of quad g (the last quad may have lanes to spare);
// filter k takes the output filter k − 1 made kLag steps earlier (twoBack),
// filter 0 the new sample, and the sample leaving the top filter is
// t − kLag·(N − 1). Steps kLag·(N − 1) .. frames − 1 have a sample for every
// filter. In the steps before (filling) and after (draining), a filter whose
// sample lies outside the block sits idle: its lanes compute but keep their
// state, so every filter still sees exactly its own samples in order.
template <int N> inline void runWavefront(const CascadeView& v, double* y, int frames) {
    static_assert(N >= 2 && kLag == 2, "one filter has nothing to share lanes with");
    constexpr int G = (N + 3) / 4;
    constexpr int first = kLag * (N - 1);
    BiquadRunner<Quad> quads[G];
    Quad lag[G]; // kLag·k in filter k's lane
    Quad twoBack[G] = {}, oneBack[G] = {};
#pragma GCC unroll 2
    for (int g = 0; g < G; ++g) {
        quads[g].load(v.coeffs + 4 * g, v.states + 4 * g, std::min(4, N - 4 * g));
        for (int i = 0; i < 4; ++i)
            lag[g][i] = kLag * (4 * g + i);
    }

    // One step; with `partial`, only the filters whose sample is in the block.
    const auto step = [&](int t, auto partial) {
        const double x = t < frames ? y[t] : 0.0;
        Quad now[G];
#pragma GCC unroll 2
        for (int g = 0; g < G; ++g) {
            // Inputs from the step t − 2: the quad below's top lane (or the
            // new sample) and this quad's lower three lanes.
            const Quad below = g == 0 ? Quad{x, x, x, x} : twoBack[g - 1];
            const Quad in = __builtin_shufflevector(below, twoBack[g], 3, 4, 5, 6);
            if constexpr (partial) {
                const Quad n = (Quad{} + t) - lag[g];
                now[g] = quads[g].step(in, (n >= 0.0) & (n < frames));
            } else {
                now[g] = quads[g](in);
            }
        }
#pragma GCC unroll 2
        for (int g = 0; g < G; ++g) {
            twoBack[g] = oneBack[g];
            oneBack[g] = now[g];
        }
        if (t >= first) y[t - first] = oneBack[(N - 1) / 4][(N - 1) % 4];
    };

    const int filled = std::min(first, frames);
    for (int t = 0; t < filled; ++t)
        step(t, std::true_type{});
    for (int t = first; t < frames; ++t)
        step(t, std::false_type{});
    for (int t = frames; t < frames + first; ++t)
        step(t, std::true_type{});

#pragma GCC unroll 2
    for (int g = 0; g < G; ++g)
        quads[g].store();
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

} // namespace gravelo::dsp

#pragma GCC diagnostic pop
