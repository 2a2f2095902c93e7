#include "SpectralTestSupport.h"

#include "runtime/Spectral.h"

#include <gtest/gtest.h>

using namespace gravelo::test::spectral;

namespace {

constexpr int32_t kPage = CVobrixMemory::kPageSize;

TEST(ComplexMultiply, MultipliesElementByElement) {
    CVobrixMemory memory;
    const auto a = randomValues(12, 1u), b = randomValues(12, 2u);
    store(memory, 100, a);
    store(memory, 300, b);
    gravelo::runtime::spectral::complexMultiply(memory, 100, 300, 6);
    const auto product = toComplex(load(memory, 100, 12));
    const auto x = toComplex(a), y = toComplex(b);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_NEAR(product[i].real(), (x[i] * y[i]).real(), 1e-15) << i;
        EXPECT_NEAR(product[i].imag(), (x[i] * y[i]).imag(), 1e-15) << i;
    }
    EXPECT_EQ(load(memory, 300, 12), b);
}

TEST(ComplexMultiply, KnownProduct) {
    CVobrixMemory memory;
    store(memory, 0, {1.0, 2.0, 0.0, 1.0});   // 1 + 2i, i
    store(memory, 10, {3.0, -1.0, 0.0, 1.0}); // 3 - i, i
    gravelo::runtime::spectral::complexMultiply(memory, 0, 10, 2);
    EXPECT_EQ(load(memory, 0, 4), (std::vector<double>{5.0, 5.0, -1.0, 0.0}));
}

TEST(ComplexMultiply, OddCountIsRoundedDownToEven) {
    CVobrixMemory memory;
    store(memory, 0, {2, 0, 2, 0, 2, 0, 2, 0, 2, 0});
    store(memory, 20, {3, 0, 3, 0, 3, 0, 3, 0, 3, 0});
    gravelo::runtime::spectral::complexMultiply(memory, 0, 20, 5);
    EXPECT_EQ(load(memory, 0, 10), (std::vector<double>{6, 0, 6, 0, 6, 0, 6, 0, 2, 0}));
}

TEST(ComplexMultiply, CountsBelowTwoChangeNothing) {
    CVobrixMemory memory;
    const std::vector<double> values{2, 1, 2, 1, 2, 1, 2, 1};
    store(memory, 0, values);
    for (double count : {1.0, 0.0, -2.0, -3.0, 1.9998})
        gravelo::runtime::spectral::complexMultiply(memory, 0, 0, count);
    EXPECT_EQ(load(memory, 0, 8), values);
}

TEST(ComplexMultiply, SameAddressSquares) {
    CVobrixMemory memory;
    store(memory, 0, {1.0, 1.0, 0.0, 2.0});
    gravelo::runtime::spectral::complexMultiply(memory, 0, 0, 2);
    EXPECT_EQ(load(memory, 0, 4), (std::vector<double>{0.0, 2.0, -4.0, 0.0}));
}

TEST(ComplexMultiply, SourceInAnotherPage) {
    CVobrixMemory memory;
    store(memory, -4, {1.0, 0.0, 0.0, 1.0}); // page -1: 1, i
    store(memory, 3 * kPage, {0.0, 1.0, 0.0, 1.0});
    gravelo::runtime::spectral::complexMultiply(memory, 3 * kPage, -4, 2);
    EXPECT_EQ(load(memory, 3 * kPage, 4), (std::vector<double>{0.0, 1.0, -1.0, 0.0}));
}

TEST(ComplexMultiply, RangesCrossingIntoTheNextPageChangeNothing) {
    CVobrixMemory memory;
    const auto before = randomValues(2 * kPage, 5u);
    store(memory, 0, before);
    gravelo::runtime::spectral::complexMultiply(memory, kPage - 6, 0,
                                                4); // destination needs 8 cells
    gravelo::runtime::spectral::complexMultiply(memory, 0, kPage - 2, 2); // source needs 4 cells
    EXPECT_EQ(load(memory, 0, 2 * kPage), before);
    EXPECT_EQ(memory.pageCount(), 2u);
}

} // namespace
