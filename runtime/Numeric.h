// The runtime's numeric conventions: every value is a double; doubles become
// indexes by nudging 0.0001 away from zero and truncating, compare equal
// within a fixed tolerance, and count as 0 when they are not finite.
#pragma once

#include <cmath>
#include <cstdint>

namespace gravelo::runtime {

constexpr double kIndexNudge = 0.0001;
constexpr double kEqualTolerance = 0.00001;

// Saturates instead of overflowing: a NaN gives 0, huge values the int32 limits.
inline int32_t toIndex(double x) {
    const double nudged = x >= 0.0 ? x + kIndexNudge : x - kIndexNudge;
    if (!(nudged == nudged)) return 0;
    if (nudged >= 2147483647.0) return INT32_MAX;
    if (nudged <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(nudged);
}

inline bool nearlyEqual(double a, double b) {
    return std::fabs(a - b) < kEqualTolerance;
}

inline bool isZero(double a) {
    return std::fabs(a) < kEqualTolerance;
}

// A NaN or an infinity counts as 0: it carries no usable value, and passed on
// it would poison every sum and filter state it reaches.
inline double finiteOrZero(double x) {
    return std::isfinite(x) ? x : 0.0;
}

} // namespace gravelo::runtime
