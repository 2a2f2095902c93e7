// Two filters or two levelers side by side in the lanes of one 128-bit
// vector. Each lane does exactly the scalar arithmetic of runBiquad and
// runBandLeveler (the same operations in the same order), so results equal
// the scalar forms bit for bit; the pairs only halve the instructions of the
// band split, whose four bands are independent of each other.
#pragma once

#include "BandLeveler.h"
#include "Biquad.h"

#include <cstdint>

namespace dsp {

using Pair = double __attribute__((vector_size(16)));
using PairBits = int64_t __attribute__((vector_size(16)));
using Quad = double __attribute__((vector_size(32)));
using QuadBits = int64_t __attribute__((vector_size(32)));

inline Pair pairOf(double a, double b) { return Pair{a, b}; }

inline Pair absolute(Pair x) { return (Pair)((PairBits)x & PairBits{INT64_MAX, INT64_MAX}); }

// std::max, lane by lane: (a < b) ? b : a.
inline Pair larger(Pair a, Pair b) { return a < b ? b : a; }

class BiquadPairRunner {
public:
    BiquadPairRunner(const BiquadCoeffs& p, BiquadState& ps, const BiquadCoeffs& q, BiquadState& qs)
        : b0{p.b0, q.b0}, b1{p.b1, q.b1}, b2{p.b2, q.b2}, a1{p.a1, q.a1}, a2{p.a2, q.a2},
          x1{ps.x1, qs.x1}, x2{ps.x2, qs.x2}, y1{ps.y1, qs.y1}, y2{ps.y2, qs.y2}, first(ps), second(qs) {}

    Pair operator()(Pair x) {
        const Pair y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }

    void store() const {
        first = BiquadState{x1[0], x2[0], y1[0], y2[0]};
        second = BiquadState{x1[1], x2[1], y1[1], y2[1]};
    }

private:
    Pair b0, b1, b2, a1, a2, x1, x2, y1, y2;
    BiquadState &first, &second;
};

class LevelerPairRunner {
public:
    LevelerPairRunner(const BandLevelerCoeffs& p, BandLevelerState& ps, const BandLevelerCoeffs& q,
                      BandLevelerState& qs, double c20ms, double floor)
        : attack{p.attack, q.attack}, release{p.release, q.release}, k{p.k, q.k}, e1{ps.e1, qs.e1},
          e2{ps.e2, qs.e2}, e3{ps.e3, qs.e3}, gain{ps.gain, qs.gain}, c20{c20ms, c20ms},
          floor{floor, floor}, first(ps), second(qs) {}

    // Legend as in runBandLeveler.
    Pair operator()(Pair w) {
        const Pair v = absolute(w) * k;
        const Pair towards = v > e1 ? attack : release;
        e1 = v + towards * (e1 - v);
        e2 = larger(e1, e1 + c20 * (e2 - e1));
        e3 = larger(e2, e2 + c20 * (e3 - e2));
        gain = 1.0 / (e3 + floor);
        return w * gain;
    }

    void store() const {
        first = BandLevelerState{e1[0], e2[0], e3[0], gain[0]};
        second = BandLevelerState{e1[1], e2[1], e3[1], gain[1]};
    }

private:
    Pair attack, release, k, e1, e2, e3, gain, c20, floor;
    BandLevelerState &first, &second;
};

} // namespace dsp
