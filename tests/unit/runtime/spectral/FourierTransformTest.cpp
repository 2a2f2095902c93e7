#include "SpectralTestSupport.h"

#include "runtime/Spectral.h"

#include <gtest/gtest.h>

using namespace gravelo::test::spectral;

namespace {

constexpr int32_t kPage = CVobrixMemory::kPageSize;

// Forward transform, then the permutation into natural order.
std::vector<Complex> naturalSpectrum(CVobrixMemory& memory, int32_t address, int size) {
    gravelo::runtime::spectral::fourierTransform(memory, address, size,
                                                 gravelo::runtime::spectral::kFourierForward);
    gravelo::runtime::spectral::fourierTransform(memory, address, size,
                                                 gravelo::runtime::spectral::kPermute);
    return toComplex(load(memory, address, 2 * size));
}

double worstError(const std::vector<Complex>& a, const std::vector<Complex>& b) {
    double worst = 0.0;
    for (size_t i = 0; i < a.size(); ++i)
        worst = std::fmax(worst, std::abs(a[i] - b[i]));
    return worst;
}

class FourierSizes : public ::testing::TestWithParam<int> {};

TEST_P(FourierSizes, ForwardMatchesDirectTransform) {
    const int size = GetParam();
    CVobrixMemory memory;
    const auto input = randomValues(2 * size, 11u + size);
    store(memory, 64, input);
    const auto spectrum = naturalSpectrum(memory, 64, size);
    EXPECT_LT(worstError(spectrum, directFourier(toComplex(input), -1.0)), 1e-11);
}

TEST_P(FourierSizes, InverseMatchesDirectTransformScaledByOneOverSize) {
    const int size = GetParam();
    CVobrixMemory memory;
    const auto spectrum = toComplex(randomValues(2 * size, 23u + size));
    store(memory, 0, interleave(spectrum));
    gravelo::runtime::spectral::fourierTransform(memory, 0, size,
                                                 gravelo::runtime::spectral::kUnpermute);
    gravelo::runtime::spectral::fourierTransform(memory, 0, size,
                                                 gravelo::runtime::spectral::kFourierInverse);
    auto expected = directFourier(spectrum, +1.0);
    for (Complex& v : expected)
        v /= size;
    EXPECT_LT(worstError(toComplex(load(memory, 0, 2 * size)), expected), 1e-12);
}

TEST_P(FourierSizes, ForwardThenInverseRoundTrips) {
    const int size = GetParam();
    CVobrixMemory memory;
    const auto input = randomValues(2 * size, 37u + size);
    store(memory, 100, input);
    gravelo::runtime::spectral::fourierTransform(memory, 100, size,
                                                 gravelo::runtime::spectral::kFourierForward);
    gravelo::runtime::spectral::fourierTransform(memory, 100, size,
                                                 gravelo::runtime::spectral::kFourierInverse);
    EXPECT_LT(maxDifference(load(memory, 100, 2 * size), input), 1e-9);
}

TEST_P(FourierSizes, RoundTripThroughNaturalOrderRestoresInput) {
    const int size = GetParam();
    CVobrixMemory memory;
    const auto input = randomValues(2 * size, 41u + size);
    store(memory, 0, input);
    for (int mode :
         {gravelo::runtime::spectral::kFourierForward, gravelo::runtime::spectral::kPermute,
          gravelo::runtime::spectral::kUnpermute, gravelo::runtime::spectral::kFourierInverse})
        gravelo::runtime::spectral::fourierTransform(memory, 0, size, mode);
    EXPECT_LT(maxDifference(load(memory, 0, 2 * size), input), 1e-9);
}

TEST_P(FourierSizes, PermuteMovesBitReversedElementIntoPlace) {
    const int size = GetParam();
    CVobrixMemory memory;
    const auto input = toComplex(randomValues(2 * size, 53u + size));
    store(memory, 0, interleave(input));
    gravelo::runtime::spectral::fourierTransform(memory, 0, size,
                                                 gravelo::runtime::spectral::kPermute);
    const auto permuted = toComplex(load(memory, 0, 2 * size));
    for (int32_t i = 0; i < size; ++i)
        ASSERT_EQ(permuted[i], input[reverseBits(i, size)]) << i;
}

TEST_P(FourierSizes, PermuteThenUnpermuteRestoresExactly) {
    const int size = GetParam();
    CVobrixMemory memory;
    const auto input = randomValues(2 * size, 59u + size);
    store(memory, 0, input);
    gravelo::runtime::spectral::fourierTransform(memory, 0, size,
                                                 gravelo::runtime::spectral::kPermute);
    ASSERT_NE(load(memory, 0, 2 * size), input);
    gravelo::runtime::spectral::fourierTransform(memory, 0, size,
                                                 gravelo::runtime::spectral::kUnpermute);
    EXPECT_EQ(load(memory, 0, 2 * size), input);
}

INSTANTIATE_TEST_SUITE_P(PowersOfTwo, FourierSizes, ::testing::Values(16, 32, 64, 128, 512, 1024));

TEST(FourierTransform, ImpulseGivesFlatSpectrum) {
    CVobrixMemory memory;
    memory.mem(2 * 3) = 1.0; // x[3] = 1
    const auto spectrum = naturalSpectrum(memory, 0, 16);
    for (int k = 0; k < 16; ++k) {
        const double angle = -2.0 * std::numbers::pi * 3 * k / 16;
        EXPECT_NEAR(spectrum[k].real(), std::cos(angle), 1e-15) << k;
        EXPECT_NEAR(spectrum[k].imag(), std::sin(angle), 1e-15) << k;
    }
}

TEST(FourierTransform, LargestSizeFillsWholePageAndRoundTrips) {
    constexpr int size = 32768;
    CVobrixMemory memory;
    const auto input = randomValues(2 * size, 5u);
    store(memory, kPage, input);
    const auto spectrum = naturalSpectrum(memory, kPage, size);
    const auto x = toComplex(input);
    for (size_t k : {0u, 1u, 12345u, 32767u})
        EXPECT_LT(std::abs(spectrum[k] - directBin(x, k, -1.0)), 1e-9) << k;
    gravelo::runtime::spectral::fourierTransform(memory, kPage, size,
                                                 gravelo::runtime::spectral::kUnpermute);
    gravelo::runtime::spectral::fourierTransform(memory, kPage, size,
                                                 gravelo::runtime::spectral::kFourierInverse);
    EXPECT_LT(maxDifference(load(memory, kPage, 2 * size), input), 1e-9);
}

TEST(FourierTransform, WorksAtNegativeAddressEndingExactlyAtPageEnd) {
    CVobrixMemory memory;
    const auto input = randomValues(64, 7u);
    store(memory, -64, input); // offsets 65472..65535 of page -1
    const auto spectrum = naturalSpectrum(memory, -64, 32);
    EXPECT_LT(worstError(spectrum, directFourier(toComplex(input), -1.0)), 1e-12);
}

// Fills pages 0 and 1 with random values so any stray write shows.
struct FilledMemory {
    CVobrixMemory memory;
    std::vector<double> before = randomValues(2 * kPage, 99u);
    FilledMemory() { store(memory, 0, before); }
    bool unchanged() { return memory.pageCount() == 2 && load(memory, 0, 2 * kPage) == before; }
};

TEST(FourierTransform, SizesOutsideTheRangeLeaveMemoryUnchanged) {
    FilledMemory filled;
    for (double size : {8.0, 65536.0, 0.0, -16.0, 4.0, 2.0, 1.0})
        for (int mode : {0, 1, 4, 5})
            gravelo::runtime::spectral::fourierTransform(filled.memory, 0, size, mode);
    EXPECT_TRUE(filled.unchanged());
}

TEST(FourierTransform, SizesNotPowersOfTwoLeaveMemoryUnchanged) {
    FilledMemory filled;
    for (double size : {17.0, 48.0, 1000.0, 32767.0})
        for (int mode : {0, 1, 4, 5})
            gravelo::runtime::spectral::fourierTransform(filled.memory, 0, size, mode);
    EXPECT_TRUE(filled.unchanged());
}

TEST(FourierTransform, UnknownModesLeaveMemoryUnchanged) {
    FilledMemory filled;
    for (int mode : {-1, 2, 3, 6, 100})
        gravelo::runtime::spectral::fourierTransform(filled.memory, 0, 64, mode);
    EXPECT_TRUE(filled.unchanged());
}

TEST(FourierTransform, DataCrossingIntoTheNextPageLeavesMemoryUnchanged) {
    FilledMemory filled;
    // 16 complex values need 32 cells; from 65520 they would end in page 1.
    for (int mode : {0, 1, 4, 5})
        gravelo::runtime::spectral::fourierTransform(filled.memory, kPage - 16, 16, mode);
    gravelo::runtime::spectral::fourierTransform(filled.memory, 2, 32768, 0);
    EXPECT_TRUE(filled.unchanged());
}

TEST(FourierTransform, AddressSizeAndModeAreRoundedWithToIndex) {
    CVobrixMemory memory;
    const auto input = randomValues(32, 3u);
    store(memory, 8, input);
    gravelo::runtime::spectral::fourierTransform(memory, 7.99995, 15.99995, 0.00005);
    gravelo::runtime::spectral::fourierTransform(memory, 8, 16,
                                                 gravelo::runtime::spectral::kPermute);
    EXPECT_LT(worstError(toComplex(load(memory, 8, 32)), directFourier(toComplex(input), -1.0)),
              1e-12);
}

} // namespace
