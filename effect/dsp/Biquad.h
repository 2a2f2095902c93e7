// One second-order filter section: the cookbook design and the direct form I
// recurrence that runs it, per sample or over a block, one filter alone or
// several side by side in the lanes of a vector (see Lanes.h).
#pragma once

#include "Lanes.h"

#include <type_traits>

// 256-bit vectors by value (see Lanes.h); all inlined into the block form.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

namespace gravelo::dsp {

enum class BiquadType {
    LowShelf = 1,
    HighShelf = 2,
    Peaking = 3,
    LowPass = 4,
    HighPass = 5,
    BandPass = 6,
    Notch = 7,
    AllPass = 8,
};

// What the recurrence runs on, normalised by a0; one filter's value per lane.
template <class V> struct BiquadCoeffsOf { V b0{}, b1{}, b2{}, a1{}, a2{}; };

// Last two inputs and outputs, one filter's per lane.
template <class V> struct BiquadStateOf { V x1{}, x2{}, y1{}, y2{}; };

using BiquadCoeffs = BiquadCoeffsOf<double>;
using BiquadState = BiquadStateOf<double>;

// Type is a number 1..8 (clamped, matched within the runtime's tolerance);
// Q is clamped to [0.01, 10] and frequency to [0.1, sampleRate / 2].
BiquadCoeffs designBiquad(double frequency, double q, double gainDb, double type,
                          double sampleRate);

inline BiquadCoeffs designBiquad(double frequency, double q, double gainDb, BiquadType type,
                                 double sampleRate) {
    return designBiquad(frequency, q, gainDb, static_cast<double>(type), sampleRate);
}

// y = (b0·x + (b1·x1 + b2·x2 − a2·y2)) − a1·y1, in this order in every lane:
// the newest output enters last, so a sample waits for the one before it by
// one multiply and one subtraction only, and the new input by a multiply,
// an addition and that subtraction (in a cascade, the filter below hands
// it over that late). The terms of the older values are ready before either
// arrives. Every form of the filter runs this one expression, so the block
// and lane forms agree with the per-sample form bit for bit.
template <class V>
inline V runBiquad(const BiquadCoeffsOf<V>& c, BiquadStateOf<V>& s, std::type_identity_t<V> x) {
    const V older = c.b1 * s.x1 + c.b2 * s.x2 - c.a2 * s.y2;
    const V y = (c.b0 * x + older) - c.a1 * s.y1;
    s.x2 = s.x1;
    s.x1 = x;
    s.y2 = s.y1;
    s.y1 = y;
    return y;
}

// Filters in the lanes of V (a double for one filter) with their
// coefficients and state copied into locals, so a block loop keeps them in
// registers; store() writes the states back. Lanes past the last filter run
// on zero coefficients: they carry values nobody reads and are never stored.
template <class V> class BiquadRunner {
  public:
    static constexpr int kLanes = kLanesOf<V>;

    BiquadRunner() = default;

    BiquadRunner(const BiquadCoeffs& c, BiquadState& s) {
        const BiquadCoeffs* const filter[] = {&c};
        BiquadState* const filterState[] = {&s};
        load(filter, filterState, 1);
    }

    template <int N> BiquadRunner(const BiquadCoeffs* const (&c)[N], BiquadState* const (&s)[N]) {
        static_assert(N <= kLanes, "more filters than lanes");
        load(c, s, N);
    }

    // Filters c[i] with states s[i] into lanes first + i, i < count, where
    // first + count ≤ kLanes.
    void load(const BiquadCoeffs* const* c, BiquadState* const* s, int count, int first = 0) {
        lane0 = first;
        filters = count;
#pragma GCC unroll 4
        for (int i = 0; i < count; ++i) {
            const int l = first + i;
            setLane(coeffs.b0, l, c[i]->b0);
            setLane(coeffs.b1, l, c[i]->b1);
            setLane(coeffs.b2, l, c[i]->b2);
            setLane(coeffs.a1, l, c[i]->a1);
            setLane(coeffs.a2, l, c[i]->a2);
            setLane(state.x1, l, s[i]->x1);
            setLane(state.x2, l, s[i]->x2);
            setLane(state.y1, l, s[i]->y1);
            setLane(state.y2, l, s[i]->y2);
            home[i] = s[i];
        }
    }

    V operator()(V x) {
        return runBiquad(coeffs, state, x);
    }

    // One step in which only the lanes where `run` is set (all bits) take
    // their sample; the others compute alongside but keep their state.
    template <class Mask> V step(V x, Mask run) {
        const BiquadStateOf<V> before = state;
        const V y = runBiquad(coeffs, state, x);
        state.x1 = run ? state.x1 : before.x1;
        state.x2 = run ? state.x2 : before.x2;
        state.y1 = run ? state.y1 : before.y1;
        state.y2 = run ? state.y2 : before.y2;
        return y;
    }

    void store() const {
        const auto x1 = lanesOf(state.x1), x2 = lanesOf(state.x2);
        const auto y1 = lanesOf(state.y1), y2 = lanesOf(state.y2);
#pragma GCC unroll 4
        for (int i = 0; i < filters; ++i) {
            const int l = lane0 + i;
            *home[i] = BiquadState{x1[l], x2[l], y1[l], y2[l]};
        }
    }

  private:
    BiquadCoeffsOf<V> coeffs;
    BiquadStateOf<V> state;
    BiquadState* home[kLanes] = {};
    int lane0 = 0, filters = 0;
};

// In place over a block; in and out may be the same buffer.
inline void runBiquadBlock(const BiquadCoeffs& c, BiquadState& s, const double* in, double* out,
                           int frames) {
    BiquadRunner<double> f(c, s);
    for (int i = 0; i < frames; ++i)
        out[i] = f(in[i]);
    f.store();
}

} // namespace gravelo::dsp

#pragma GCC diagnostic pop
