// Filters and levelers side by side in the lanes of one vector. Each lane
// does exactly the scalar arithmetic of runBiquad and runBandLeveler (the
// same operations in the same order), so results equal the scalar forms bit
// for bit; the lanes only cut the instructions of the band split, whose four
// bands are independent of each other.
#pragma once

#include "BandLeveler.h"
#include "Biquad.h"

#include <cstdint>

// 256-bit vectors passed by value: GCC notes that their calling convention
// differs with and without AVX. These functions are all inlined into the
// block form's copies, never called across that boundary.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

namespace dsp {

using Pair = double __attribute__((vector_size(16)));
using Quad = double __attribute__((vector_size(32)));
using QuadBits = int64_t __attribute__((vector_size(32)));

inline Pair pairOf(double a, double b) {
    return Pair{a, b};
}

inline Quad absolute(Quad x) {
    return (Quad)((QuadBits)x & QuadBits{INT64_MAX, INT64_MAX, INT64_MAX, INT64_MAX});
}

// std::max, lane by lane: (a < b) ? b : a.
inline Quad larger(Quad a, Quad b) {
    return a < b ? b : a;
}

template <class V> constexpr int kLanesOf = static_cast<int>(sizeof(V) / sizeof(double));

class BiquadPairRunner {
  public:
    BiquadPairRunner(const BiquadCoeffs& p, BiquadState& ps, const BiquadCoeffs& q, BiquadState& qs)
        : b0{p.b0, q.b0}, b1{p.b1, q.b1}, b2{p.b2, q.b2}, a1{p.a1, q.a1}, a2{p.a2, q.a2},
          x1{ps.x1, qs.x1}, x2{ps.x2, qs.x2}, y1{ps.y1, qs.y1}, y2{ps.y2, qs.y2}, first(ps),
          second(qs) {}

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

// Four filters in the lanes of one 256-bit vector (two 128-bit halves
// without AVX), each lane runBiquad's arithmetic.
class BiquadQuadRunner {
  public:
    BiquadQuadRunner(const BiquadCoeffs* const (&c)[4], BiquadState* const (&s)[4])
        : home{s[0], s[1], s[2], s[3]} {
        for (int i = 0; i < 4; ++i) {
            b0[i] = c[i]->b0;
            b1[i] = c[i]->b1;
            b2[i] = c[i]->b2;
            a1[i] = c[i]->a1;
            a2[i] = c[i]->a2;
            x1[i] = s[i]->x1;
            x2[i] = s[i]->x2;
            y1[i] = s[i]->y1;
            y2[i] = s[i]->y2;
        }
    }

    Quad operator()(Quad x) {
        const Quad y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }

    void store() const {
        for (int i = 0; i < 4; ++i)
            *home[i] = BiquadState{x1[i], x2[i], y1[i], y2[i]};
    }

  private:
    Quad b0, b1, b2, a1, a2, x1, x2, y1, y2;
    BiquadState* home[4];
};

// The four band levelers side by side; legend as in runBandLeveler.
class LevelerQuadRunner {
  public:
    LevelerQuadRunner(const BandLevelerCoeffs (&c)[4], BandLevelerState (&s)[4], double c20ms,
                      double gainFloor)
        : c20{c20ms, c20ms, c20ms, c20ms}, floor{gainFloor, gainFloor, gainFloor, gainFloor},
          home(s) {
        for (int i = 0; i < 4; ++i) {
            attack[i] = c[i].attack;
            release[i] = c[i].release;
            k[i] = c[i].k;
            e1[i] = s[i].e1;
            e2[i] = s[i].e2;
            e3[i] = s[i].e3;
            gain[i] = s[i].gain;
        }
    }

    Quad operator()(Quad w) {
        const Quad v = absolute(w) * k;
        const Quad towards = v > e1 ? attack : release;
        e1 = v + towards * (e1 - v);
        e2 = larger(e1, e1 + c20 * (e2 - e1));
        e3 = larger(e2, e2 + c20 * (e3 - e2));
        gain = 1.0 / (e3 + floor);
        return w * gain;
    }

    void store() const {
        for (int i = 0; i < 4; ++i)
            home[i] = BandLevelerState{e1[i], e2[i], e3[i], gain[i]};
    }

  private:
    Quad attack, release, k, e1, e2, e3, gain, c20, floor;
    BandLevelerState (&home)[4];
};

} // namespace dsp

#pragma GCC diagnostic pop
