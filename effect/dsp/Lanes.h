// Vectors of doubles whose lanes hold independent filters or followers side
// by side. Each lane does exactly the scalar arithmetic of its own instance
// (the same operations in the same order), so results equal the scalar forms
// bit for bit; the lanes only cut the instructions. A plain double counts as
// a vector of one lane, so one template serves every width.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// 256-bit vectors passed by value: GCC notes that their calling convention
// differs with and without AVX. These functions are all inlined into the
// block form's copies, never called across that boundary.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

namespace gravelo::dsp {

using Pair = double __attribute__((vector_size(16)));
// Four lanes: one 256-bit vector, or two 128-bit halves without AVX.
using Quad = double __attribute__((vector_size(32)));
using QuadBits = int64_t __attribute__((vector_size(32)));

template <class V> constexpr int kLanesOf = static_cast<int>(sizeof(V) / sizeof(double));

// All lanes of v at once. Copying the whole vector out, rather than reading
// it lane by lane, keeps the compiler from splitting a vector that a loop
// keeps in a register into separate lanes.
template <class V> inline std::array<double, kLanesOf<V>> lanesOf(const V& v) {
    return std::bit_cast<std::array<double, kLanesOf<V>>>(v);
}

template <class V> inline void setLane(V& v, [[maybe_unused]] int lane, double x) {
    if constexpr (std::is_same_v<V, double>)
        v = x;
    else
        v[lane] = x;
}

// Lane by lane exactly what the scalar functions do: std::fabs, std::sqrt,
// std::max and std::min (with their argument order), std::isfinite ? x : 0.
inline Quad absolute(Quad x) {
    return (Quad)((QuadBits)x & QuadBits{INT64_MAX, INT64_MAX, INT64_MAX, INT64_MAX});
}
inline double absolute(double x) {
    return std::fabs(x);
}

// The square root is correctly rounded in every form (scalar, vector
// instruction, library), so lanes may take it two at a time.
template <class V> inline V squareRoot(V x) {
    if constexpr (std::is_same_v<V, double>) {
        return std::sqrt(x);
    } else {
#if defined(__SSE2__)
        static_assert(kLanesOf<V> == 4);
        const Pair low = _mm_sqrt_pd(__builtin_shufflevector(x, x, 0, 1));
        const Pair high = _mm_sqrt_pd(__builtin_shufflevector(x, x, 2, 3));
        return __builtin_shufflevector(low, high, 0, 1, 2, 3);
#else
        V root;
        for (int k = 0; k < kLanesOf<V>; ++k)
            root[k] = std::sqrt(x[k]);
        return root;
#endif
    }
}

template <class V> inline V larger(V a, V b) {
    return a < b ? b : a;
}
template <class V> inline V smaller(V a, V b) {
    return b < a ? b : a;
}

// Each lane that holds a NaN or an infinity becomes 0, the others stay:
// x * 0 is ±0 for a finite x and NaN otherwise (std::isfinite takes no
// vector).
template <class V> inline V finiteOrZero(V x) {
    return x * 0.0 == 0.0 ? x : V{};
}

// out[i] = f(a[i], b[i]) for i < frames: four samples at a time as Quads,
// the rest one by one, so every sample gets the same arithmetic either way
// (f is generic over double and Quad). out may be a or b.
template <class F>
inline void lanewise(int frames, double* out, const double* a, const double* b, F f) {
    int i = 0;
    for (; i + 4 <= frames; i += 4) {
        Quad x, y;
        std::memcpy(&x, a + i, sizeof x);
        std::memcpy(&y, b + i, sizeof y);
        const Quad z = f(x, y);
        std::memcpy(out + i, &z, sizeof z);
    }
    for (; i < frames; ++i)
        out[i] = f(a[i], b[i]);
}

} // namespace gravelo::dsp

#pragma GCC diagnostic pop
