#include "SpectralTestSupport.h"

#include "runtime/Spectral.h"
#include "runtime/TVobrix.h"
#include "runtime/spectral/Tables.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace gravelo::test::spectral;

namespace {

TEST(SpectralTables, FirstPairOfSize32) {
    const double* pairs = gravelo::runtime::spectral::twiddlePairs(32);
    ASSERT_NE(pairs, nullptr);
    EXPECT_NEAR(pairs[0], 0.98078528040323, 1e-14);
    EXPECT_NEAR(pairs[1], 0.19509032201613, 1e-14);
}

TEST(SpectralTables, FirstPairOfSize64) {
    const double* pairs = gravelo::runtime::spectral::twiddlePairs(64);
    ASSERT_NE(pairs, nullptr);
    EXPECT_NEAR(pairs[0], 0.99518472667220, 1e-14);
    EXPECT_NEAR(pairs[1], 0.09801714032956, 1e-14);
}

TEST(SpectralTables, EveryPairIsTheCosineAndSineOfItsAngle) {
    for (int size = 32; size <= 32768; size *= 2) {
        const double* pairs = gravelo::runtime::spectral::twiddlePairs(size);
        ASSERT_NE(pairs, nullptr) << size;
        ASSERT_EQ(gravelo::runtime::spectral::twiddlePairCount(size), size / 2 - 1);
        for (int k = 1; k <= gravelo::runtime::spectral::twiddlePairCount(size); ++k) {
            const double angle = 2.0 * std::numbers::pi * k / size;
            ASSERT_NEAR(pairs[2 * (k - 1)], std::cos(angle), 1e-15) << size << " " << k;
            ASSERT_NEAR(pairs[2 * (k - 1) + 1], std::sin(angle), 1e-15) << size << " " << k;
        }
    }
}

TEST(SpectralTables, NoTwiddleTableOutsideItsSizes) {
    for (int size : {0, 8, 16, 48, 65536}) {
        EXPECT_EQ(gravelo::runtime::spectral::twiddlePairs(size), nullptr) << size;
        EXPECT_EQ(gravelo::runtime::spectral::twiddlePairCount(size), 0) << size;
    }
}

TEST(SpectralTables, PermutationIsBitReversal) {
    const gravelo::runtime::spectral::Permutation* sixteen =
        gravelo::runtime::spectral::permutationFor(16);
    ASSERT_NE(sixteen, nullptr);
    EXPECT_EQ(sixteen->target,
              (std::vector<int32_t>{0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15}));
    EXPECT_EQ(sixteen->cycleStarts, (std::vector<int32_t>{1, 2, 3, 5, 7, 11}));
    for (int size = 16; size <= 32768; size *= 2) {
        const gravelo::runtime::spectral::Permutation* p =
            gravelo::runtime::spectral::permutationFor(size);
        ASSERT_NE(p, nullptr) << size;
        ASSERT_EQ(p->target.size(), static_cast<size_t>(size));
        for (int32_t i = 0; i < size; i += 97)
            ASSERT_EQ(p->target[i], reverseBits(i, size)) << size;
    }
    EXPECT_EQ(gravelo::runtime::spectral::permutationFor(65536), nullptr);
    EXPECT_EQ(gravelo::runtime::spectral::permutationFor(24), nullptr);
}

TEST(SpectralTables, EveryCycleLongerThanOneHasExactlyOneStart) {
    for (int size = 16; size <= 32768; size *= 2) {
        const gravelo::runtime::spectral::Permutation& p =
            *gravelo::runtime::spectral::permutationFor(size);
        std::vector<int> startsPerCycle(size, 0);
        for (int32_t start : p.cycleStarts) {
            ASSERT_NE(p.target[start], start) << "fixed point listed as a cycle start";
            for (int32_t i = start;;) {
                ++startsPerCycle[i];
                i = p.target[i];
                if (i == start) break;
            }
        }
        for (int32_t i = 0; i < size; ++i)
            ASSERT_EQ(startsPerCycle[i], p.target[i] == i ? 0 : 1) << size << " " << i;
    }
}

TEST(SpectralTables, SecondRuntimeObjectDoesNotRebuild) {
    TVobrix first;
    EXPECT_EQ(gravelo::runtime::spectral::tableBuildCount(), 1);
    TVobrix second;
    gravelo::runtime::spectral::buildTables();
    EXPECT_EQ(gravelo::runtime::spectral::tableBuildCount(), 1);
}

} // namespace
