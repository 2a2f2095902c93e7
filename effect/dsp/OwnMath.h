// The transcendental functions the chain and its design use, written here so
// that every build (Linux, 32- and 64-bit Windows, whatever C runtime) gives
// the very same bits: nothing but IEEE double +, −, × and ÷ in a fixed order
// (the effect is built with -ffp-contract=off: no fused multiply-add), floor
// and bit moves. Each is within about one ulp of the correctly rounded
// result; the accuracy test prints the largest error it finds, in ulps.
//
// Legend. Each function reduces its argument to a small r (z = r²), runs a
// polynomial, and puts the result back together. The polynomials' terms are
// Chebyshev fits of the reduced functions over the reduced range, rounded to
// double (scripts/derive-math-coefficients.py prints them again).
//   atan x: t = |x|; t ≤ tan π/8 gives r = t, base 0; t ≤ tan 3π/8 gives
//     r = (t − 1) / (t + 1), base π/4; beyond, r = −1 / t, base π/2.
//     atan r = r + r·z·A(z) for |r| ≤ tan π/8; the result base + atan r
//     takes x's sign. Branch-free: four lanes of a Quad run it at once.
//   exp x: x = k·ln 2 + r, |r| ≤ ln 2 / 2, with ln 2 in two parts (the first
//     short enough that k times it is exact); exp r = 1 + (r + r²·E(r));
//     the result is that times 2^k.
//   exp10 x = exp(x·ln 10), with x·ln 10 carried exactly in two doubles
//     (Dekker's product), so the decibel gains lose nothing in the product.
//   sin x, cos x: x = k·π/2 + r, |r| ≤ π/4, with π/2 in three parts;
//     sin r = r + r·z·S(z), cos r = 1 − z/2 + z²·C(z) with the rounding of
//     1 − z/2 carried; k mod 4 picks ±sin r or ±cos r. Exact reduction for
//     |x| < 2^19 (the design asks for 0 … π).
#pragma once

#include "Lanes.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

// 256-bit vectors by value (see Lanes.h); all inlined into the block form.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

namespace gravelo::dsp::math {

namespace detail {

// Lowest degree first; unrolled, so the terms are constants in the code.
template <int N> inline double polynomial(double x, const double (&c)[N]) {
    double p = c[N - 1];
#pragma GCC unroll 16
    for (int i = N - 2; i >= 0; --i)
        p = c[i] + x * p;
    return p;
}

template <int N, class V> inline V polynomial(V x, const double (&c)[N]) {
    V p = x * 0.0 + c[N - 1];
#pragma GCC unroll 16
    for (int i = N - 2; i >= 0; --i)
        p = c[i] + x * p;
    return p;
}

// The same polynomial of twelve terms by Estrin's scheme: pairs, then
// pairs of pairs, in powers z², z⁴, z⁸. Five multiply-adds deep instead of
// eleven, so consecutive samples' atan overlap in the processor instead of
// each waiting out one long chain; the terms are far smaller than the result
// they correct, so the changed rounding stays well inside its last place.
template <class V> inline V estrin12(V z, const double (&c)[12]) {
    const V z2 = z * z;
    const V z4 = z2 * z2;
    const V z8 = z4 * z4;
    const V q0 = (c[0] + z * c[1]) + z2 * (c[2] + z * c[3]);
    const V q1 = (c[4] + z * c[5]) + z2 * (c[6] + z * c[7]);
    const V q2 = (c[8] + z * c[9]) + z2 * (c[10] + z * c[11]);
    return (q0 + z4 * q1) + z8 * q2;
}

// A(z) for atan on z ≤ tan² π/8.
inline constexpr double kAtan[12] = {
    -0x1.5555555555555p-2, 0x1.9999999999953p-3, -0x1.249249248d7eep-3, 0x1.c71c71c304b68p-4,
    -0x1.745d165df3f95p-4, 0x1.3b1392d9e785cp-4, -0x1.110e880a7a521p-4, 0x1.e19a13b9fc6dfp-5,
    -0x1.ac7a938b69c93p-5, 0x1.74ddd408bb4c1p-5, -0x1.1b33b923aa954p-5, 0x1.0ad36a455cafbp-6,
};
// E(r) for exp on |r| ≤ ln 2 / 2.
inline constexpr double kExp[11] = {
    0x1.0000000000000p-1,  0x1.5555555555557p-3,  0x1.5555555555556p-5,  0x1.11111111100dfp-7,
    0x1.6c16c16c162d6p-10, 0x1.a01a01abe62ddp-13, 0x1.a01a01a6d7808p-16, 0x1.71de02375656cp-19,
    0x1.27e4db67b4303p-22, 0x1.af4ddd84882fep-26, 0x1.1f72fc730b4ffp-29,
};
// S(z) and C(z) for sin and cos on z ≤ (π/4)².
inline constexpr double kSin[7] = {
    -0x1.5555555555555p-3,  0x1.1111111111110p-7,  -0x1.a01a01a019938p-13, 0x1.71de3a546095bp-19,
    -0x1.ae645412c560cp-26, 0x1.61217f0b800d5p-33, -0x1.ab17d404de5b3p-41,
};
inline constexpr double kCos[6] = {
    0x1.5555555555555p-5,   -0x1.6c16c16c16967p-10, 0x1.a01a019f4eb01p-16,
    -0x1.27e4fa17da09ep-22, 0x1.1eeb68e93b64cp-29,  -0x1.907da367a37cbp-37,
};

inline constexpr double kTanEighthPi = 0x1.a827999fcef32p-2;       // tan π/8
inline constexpr double kTanThreeEighthsPi = 0x1.3504f333f9de6p+1; // tan 3π/8
inline constexpr double kHalfPi = 0x1.921fb54442d18p+0, kHalfPiLow = 0x1.1a62633145c07p-54;
inline constexpr double kQuarterPi = 0x1.921fb54442d18p-1, kQuarterPiLow = 0x1.1a62633145c07p-55;

inline constexpr double kLog2e = 0x1.71547652b82fep+0;
inline constexpr double kLn2High = 0x1.62e42fee00000p-1; // 32 bits: k·kLn2High is exact
inline constexpr double kLn2Low = 0x1.a39ef35793c76p-33;
inline constexpr double kLn10 = 0x1.26bb1bbb55516p+1, kLn10Low = -0x1.f48ad494ea3e9p-53;

inline constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
inline constexpr double kHalfPi1 = 0x1.921fb54400000p+0; // 33 bits each: k·part is exact
inline constexpr double kHalfPi2 = 0x1.0b4611a600000p-34;
inline constexpr double kHalfPi3 = 0x1.3198a2e037073p-69;

template <class V> struct Bits {
    using type = std::conditional_t<std::is_same_v<V, double>, uint64_t, QuadBits>;
};

template <class V> inline V splat(double x) {
    if constexpr (std::is_same_v<V, double>)
        return x;
    else
        return V{x, x, x, x};
}

template <class V, class M> inline V select(M condition, V a, V b) {
    return condition ? a : b;
}

template <class V> inline V absolute(V x) {
    using B = typename Bits<V>::type;
    return std::bit_cast<V>(std::bit_cast<B>(x) & ~std::bit_cast<B>(splat<V>(-0.0)));
}

// magnitude (sign bit clear) with the sign of x.
template <class V> inline V withSignOf(V magnitude, V x) {
    using B = typename Bits<V>::type;
    return std::bit_cast<V>(std::bit_cast<B>(magnitude) |
                            (std::bit_cast<B>(x) & std::bit_cast<B>(splat<V>(-0.0))));
}

// a + b = sum + error exactly (Knuth's two-sum, any order of size).
template <class V> struct Exact { V sum, error; };
template <class V> inline Exact<V> twoSum(V a, V b) {
    const V s = a + b;
    const V bPart = s - a;
    return {s, (a - (s - bPart)) + (b - bPart)};
}

// a · b = sum + error exactly (Dekker's product on Veltkamp's halves), for
// |a|, |b| below 2^996.
template <class V> inline Exact<V> twoProduct(V a, V b) {
    constexpr double kSplit = 134217729.0; // 2^27 + 1
    const V p = a * b;
    const V as = kSplit * a, bs = kSplit * b;
    const V aHigh = as - (as - a), bHigh = bs - (bs - b);
    const V aLow = a - aHigh, bLow = b - bHigh;
    return {p, ((aHigh * bHigh - p) + aHigh * bLow + aLow * bHigh) + aLow * bLow};
}

// 2^k for whole k with 2^k normal.
inline double powerOfTwo(int k) {
    return std::bit_cast<double>(static_cast<uint64_t>(k + 1023) << 52);
}

// e · 2^k in two steps where 2^k alone would leave the normal range.
inline double scaled(double e, int k) {
    if (k > 1000) return e * powerOfTwo(k - 100) * powerOfTwo(100);
    if (k < -1000) return e * powerOfTwo(k + 200) * powerOfTwo(-200);
    return e * powerOfTwo(k);
}

// exp(hi − lo) for |hi| within the finite range, lo a small correction.
inline double expOfSum(double hi, double lo) {
    const double k = std::floor(hi * kLog2e + 0.5);
    const double reduced = hi - k * kLn2High;
    const double r = reduced - (k * kLn2Low + lo);
    const double e = 1.0 + (r + r * r * polynomial(r, kExp));
    return scaled(e, static_cast<int>(k));
}

inline constexpr double kExpHighest = 0x1.62e42fefa39efp+9; // ln of the largest double
inline constexpr double kExpLowest = -0x1.74910d52d3052p+9; // below: less than half the least

// cos and sin of r + rLow for |r| ≤ π/4, z = r², rLow below an ulp of r.
inline double cosReduced(double r, double rLow, double z) {
    const double half = 0.5 * z;
    const double w = 1.0 - half;
    return w + (((1.0 - w) - half) + (z * z * polynomial(z, kCos) - r * rLow));
}

inline double sinReduced(double r, double rLow, double z) {
    return r + (r * (z * polynomial(z, kSin)) + (rLow - 0.5 * z * rLow));
}

} // namespace detail

// atan, one value or four lanes (each lane exactly as the one value). The
// reduced argument is carried as r + rLow (what the division and t ∓ 1 lost),
// and base + r as an exact sum: both would otherwise cost up to an ulp.
template <class V> inline V atan(V x) {
    using namespace detail;
    const V t = absolute(x);
    const auto beyond = t > kTanThreeEighthsPi;
    const auto middle = t > kTanEighthPi;
    const V zero = splat<V>(0.0);
    const Exact<V> down = twoSum(t, splat<V>(-1.0)), up = twoSum(t, splat<V>(1.0));
    const V numerator = select(beyond, splat<V>(-1.0), select(middle, down.sum, t));
    const V numeratorLow = select(beyond, zero, select(middle, down.error, zero));
    const V denominator = select(beyond, t, select(middle, up.sum, splat<V>(1.0)));
    const V denominatorLow = select(beyond, zero, select(middle, up.error, zero));
    const V base = select(beyond, splat<V>(kHalfPi), select(middle, splat<V>(kQuarterPi), zero));
    const V baseLow =
        select(beyond, splat<V>(kHalfPiLow), select(middle, splat<V>(kQuarterPiLow), zero));

    // One division: r within an ulp or so of the quotient, and rLow, what
    // r·denominator misses of the numerator (exactly, by Dekker's product),
    // brings r + rLow to the quotient's full accuracy.
    const V inverse = 1.0 / denominator;
    const V r = numerator * inverse;
    // Past 2^500 the correction is far below an ulp of π/2; the bound keeps
    // the product's halves finite.
    const V bounded = select(denominator > 0x1p500, splat<V>(0x1p500), denominator);
    const Exact<V> product = twoProduct(r, bounded);
    const V rLow =
        (((numerator - product.sum) - product.error) + numeratorLow - r * denominatorLow) * inverse;
    const V z = r * r;
    const Exact<V> head = twoSum(base, r);
    const V tail = r * (z * estrin12(z, kAtan)) + ((rLow - rLow * z) + baseLow);
    return withSignOf(head.sum + (head.error + tail), x);
}

inline double exp(double x) {
    using namespace detail;
    if (!(x <= kExpHighest)) return x > 0.0 ? std::numeric_limits<double>::infinity() : x;
    if (x < kExpLowest) return 0.0;
    return expOfSum(x, 0.0);
}

inline double exp10(double x) {
    using namespace detail;
    const double p = x * kLn10;
    if (!(std::fabs(p) <= kExpHighest)) return exp(p);
    if (p < kExpLowest) return 0.0;
    const Exact<double> product = twoProduct(x, kLn10); // x·ln 10 = p + error exactly
    return detail::expOfSum(p, -(product.error + x * kLn10Low));
}

namespace detail {

// x = k·π/2 + r + rLow; k·kHalfPi1 and k·kHalfPi2 are exact, and so is
// the first difference.
struct Quadrant {
    double r, rLow, z;
    int k;
};

inline Quadrant reduceByHalfPi(double x) {
    const double k = std::floor(x * kTwoOverPi + 0.5);
    const Exact<double> first = twoSum(x - k * kHalfPi1, -(k * kHalfPi2));
    const Exact<double> r = twoSum(first.sum, first.error - k * kHalfPi3);
    return {r.sum, r.error, r.sum * r.sum, static_cast<int>(static_cast<int64_t>(k) & 3)};
}

} // namespace detail

inline double sin(double x) {
    using namespace detail;
    if (!std::isfinite(x)) return x - x;
    const Quadrant q = reduceByHalfPi(x);
    switch (q.k) {
    case 0:
        return sinReduced(q.r, q.rLow, q.z);
    case 1:
        return cosReduced(q.r, q.rLow, q.z);
    case 2:
        return -sinReduced(q.r, q.rLow, q.z);
    default:
        return -cosReduced(q.r, q.rLow, q.z);
    }
}

inline double cos(double x) {
    using namespace detail;
    if (!std::isfinite(x)) return x - x;
    const Quadrant q = reduceByHalfPi(x);
    switch (q.k) {
    case 0:
        return cosReduced(q.r, q.rLow, q.z);
    case 1:
        return -sinReduced(q.r, q.rLow, q.z);
    case 2:
        return -cosReduced(q.r, q.rLow, q.z);
    default:
        return sinReduced(q.r, q.rLow, q.z);
    }
}

} // namespace gravelo::dsp::math

#pragma GCC diagnostic pop
