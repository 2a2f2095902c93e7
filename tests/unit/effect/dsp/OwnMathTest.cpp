// The chain's own transcendental functions against long double references,
// over the arguments the chain and its design give them and beyond; each
// case prints the largest error found, in units in the last place.
#include "effect/dsp/OwnMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <random>
#include <vector>

// Four-lane vectors by value, as the chain passes them (see Lanes.h).
#pragma GCC diagnostic ignored "-Wpsabi"

namespace {

using gravelo::dsp::Quad;
namespace math = gravelo::dsp::math;

// |got − reference| in ulps of the double nearest the reference.
double ulpsOff(double got, long double reference) {
    const double nearest = static_cast<double>(reference);
    const double magnitude = std::fabs(nearest);
    const double ulp =
        std::max(std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude,
                 std::numeric_limits<double>::denorm_min());
    return static_cast<double>(std::fabs(static_cast<long double>(got) - reference) / ulp);
}

struct Span {
    double from, to;
    bool logarithmic = false; // ±10^u for u in [from, to]
};

// Arguments spread over the spans (fixed seed), each span's ends included.
std::vector<double> arguments(const std::vector<Span>& spans, int perSpan = 200000) {
    std::mt19937_64 random(21);
    std::vector<double> xs;
    for (const Span& span : spans) {
        std::uniform_real_distribution<double> pick(span.from, span.to);
        xs.push_back(span.logarithmic ? std::pow(10.0, span.from) : span.from);
        xs.push_back(span.logarithmic ? std::pow(10.0, span.to) : span.to);
        for (int i = 0; i < perSpan; ++i) {
            const double u = pick(random);
            xs.push_back(span.logarithmic ? (i % 2 ? -1.0 : 1.0) * std::pow(10.0, u) : u);
        }
    }
    return xs;
}

double largestError(const char* name, const std::vector<double>& xs,
                    const std::function<double(double)>& own,
                    const std::function<long double(long double)>& reference) {
    double worst = 0.0, at = 0.0;
    for (double x : xs) {
        const double error = ulpsOff(own(x), reference(x));
        if (error > worst) {
            worst = error;
            at = x;
        }
    }
    std::printf("%-6s largest error %.3f ulp (at %.17g) over %zu arguments\n", name, worst, at,
                xs.size());
    return worst;
}

constexpr double kUlps = 1.0;

TEST(OwnMath, AtanWithinAnUlpEverywhereAndTheSameInEveryLane) {
    // The drive's argument is 800 · amount · gain · signal: any size.
    std::vector<double> xs = arguments({{-12, 12, true}, {-4, 4}, {-0.5, 0.5}});
    // Four doubles each side of where the reduction changes, both signs.
    for (double edge : {math::detail::kTanEighthPi, math::detail::kTanThreeEighthsPi}) {
        double below = edge, above = edge;
        for (int k = 0; k < 4;
             ++k, below = std::nextafter(below, 0.0), above = std::nextafter(above, 10.0))
            for (double x : {below, above, -below, -above})
                xs.push_back(x);
    }
    EXPECT_LE(
        largestError("atan", xs, math::atan<double>, [](long double x) { return std::atan(x); }),
        kUlps);

    for (size_t i = 0; i + 4 <= xs.size(); i += 4) {
        const Quad lanes = math::atan(Quad{xs[i], xs[i + 1], xs[i + 2], xs[i + 3]});
        for (int k = 0; k < 4; ++k)
            ASSERT_EQ(std::bit_cast<uint64_t>(lanes[k]),
                      std::bit_cast<uint64_t>(math::atan(xs[i + static_cast<size_t>(k)])))
                << xs[i + static_cast<size_t>(k)];
    }
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(math::atan(inf), math::detail::kHalfPi);
    EXPECT_EQ(math::atan(-inf), -math::detail::kHalfPi);
    EXPECT_TRUE(std::signbit(math::atan(-0.0)));
    EXPECT_TRUE(std::isnan(math::atan(std::nan(""))));
}

TEST(OwnMath, ExpAndExp10WithinAnUlp) {
    // Time constants: exp(−1 / (ms · rate / 1000)), any rate up to 1 MHz.
    EXPECT_LE(largestError("exp", arguments({{-745, 0}, {-1e-3, 0}, {-1, 1}, {0, 709.7}}),
                           math::exp, [](long double x) { return std::exp(x); }),
              kUlps);
    // Gains: 10^(dB / 20) and 10^(dB / 40), dB within ±40.
    EXPECT_LE(largestError("exp10", arguments({{-2.5, 2.5}, {-0.01, 0.01}, {-300, 300}}),
                           math::exp10, [](long double x) { return std::pow(10.0L, x); }),
              kUlps);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(math::exp(-inf), 0.0); // a 0 ms follower
    EXPECT_EQ(math::exp(0.0), 1.0);
    EXPECT_EQ(math::exp(710.0), inf);
    EXPECT_EQ(math::exp(-746.0), 0.0);
    EXPECT_EQ(math::exp10(0.0), 1.0);
    EXPECT_EQ(math::exp10(1.0), 10.0);
    EXPECT_EQ(math::exp10(-400.0), 0.0);
    EXPECT_TRUE(std::isnan(math::exp(std::nan(""))));
    EXPECT_TRUE(std::isnan(math::exp10(std::nan(""))));
}

TEST(OwnMath, SinAndCosWithinAnUlp) {
    // The design's 2π · frequency / rate lies in 0 … π.
    const std::vector<double> xs = arguments({{0, 3.14159265358979312}, {0, 1e-3}, {-20, 20}});
    EXPECT_LE(largestError("sin", xs, math::sin, [](long double x) { return std::sin(x); }), kUlps);
    EXPECT_LE(largestError("cos", xs, math::cos, [](long double x) { return std::cos(x); }), kUlps);
    EXPECT_EQ(math::sin(0.0), 0.0);
    EXPECT_EQ(math::cos(0.0), 1.0);
    EXPECT_TRUE(std::isnan(math::sin(std::numeric_limits<double>::infinity())));
}

// The chain's guard against non-finite samples: lane by lane, the extremes
// of the finite range kept.
TEST(Lanes, FiniteOrZeroClearsOnlyTheNonFiniteLanes) {
    using gravelo::dsp::finiteOrZero;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double largest = std::numeric_limits<double>::max();
    const double tiny = std::numeric_limits<double>::denorm_min();
    for (const double x : {0.0, -0.0, 1.5, -largest, largest, tiny})
        EXPECT_EQ(finiteOrZero(x), x) << x;
    for (const double x : {inf, -inf, nan})
        EXPECT_EQ(finiteOrZero(x), 0.0) << x;
    const Quad mixed = finiteOrZero(Quad{largest, nan, -inf, tiny});
    EXPECT_EQ(mixed[0], largest);
    EXPECT_EQ(mixed[1], 0.0);
    EXPECT_EQ(mixed[2], 0.0);
    EXPECT_EQ(mixed[3], tiny);
    const Quad finite = finiteOrZero(Quad{-1.0, 2.0, -largest, 0.25});
    EXPECT_EQ(finite[0], -1.0);
    EXPECT_EQ(finite[1], 2.0);
    EXPECT_EQ(finite[2], -largest);
    EXPECT_EQ(finite[3], 0.25);
}

} // namespace
