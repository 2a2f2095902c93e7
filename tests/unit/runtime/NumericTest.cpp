#include "runtime/Numeric.h"

#include <gtest/gtest.h>

#include <limits>

using gravelo::runtime::nearlyEqual;
using gravelo::runtime::toIndex;

TEST(ToIndex, NudgesAwayFromZeroThenTruncates) {
    EXPECT_EQ(toIndex(2.99995), 3);
    EXPECT_EQ(toIndex(2.9998), 2);
    EXPECT_EQ(toIndex(-0.00005), 0);
    EXPECT_EQ(toIndex(-1.99995), -2);
    EXPECT_EQ(toIndex(-2.99995), -3);
    EXPECT_EQ(toIndex(0.5), 0);
    EXPECT_EQ(toIndex(-0.5), 0);
}

TEST(ToIndex, SaturatesValuesOutsideTheIndexRange) {
    EXPECT_EQ(toIndex(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(toIndex(1e300), INT32_MAX);
    EXPECT_EQ(toIndex(-1e300), INT32_MIN);
    EXPECT_EQ(toIndex(std::numeric_limits<double>::infinity()), INT32_MAX);
}

TEST(Tolerance, IsStrictlyLessThanOneHundredThousandth) {
    EXPECT_TRUE(nearlyEqual(1.0, 1.000009));
    EXPECT_FALSE(nearlyEqual(1.0, 1.00002));
    EXPECT_FALSE(nearlyEqual(0.0, std::numeric_limits<double>::quiet_NaN()));
}
