#include "SpectralTestSupport.h"

#include "runtime/Spectral.h"

#include <gtest/gtest.h>

using namespace gravelo::test::spectral;

namespace {

constexpr int32_t kPage = CVobrixMemory::kPageSize;

// X[k] = sum_{n<N} x[n] cos(2 pi / N (n + 1/2 + N/4)(k + 1/2)).
double directCoefficient(const std::vector<double>& x, int k) {
    const int size = static_cast<int>(x.size());
    double sum = 0.0;
    for (int n = 0; n < size; ++n)
        sum += x[n] * cosineKernel(size, n, k);
    return sum;
}

// y[n] = 4/N sum_{k<N/2} X[k] cos(2 pi / N (n + 1/2 + N/4)(k + 1/2)).
double directSample(const std::vector<double>& coefficients, int size, int n) {
    double sum = 0.0;
    for (int k = 0; k < size / 2; ++k)
        sum += coefficients[k] * cosineKernel(size, n, k);
    return 4.0 / size * sum;
}

// Every bin or sample for small sizes; a spread of them keeps the largest size fast.
int checkStride(int size) {
    return size > 1024 ? 37 : 1;
}

class CosineSizes : public ::testing::TestWithParam<int> {};

TEST_P(CosineSizes, ForwardMatchesDirectDefinitionAndClearsUpperHalf) {
    const int size = GetParam();
    CVobrixMemory memory;
    const auto input = randomValues(size, 13u + size);
    store(memory, 32, input);
    gravelo::runtime::spectral::cosineTransform(memory, 32, size,
                                                gravelo::runtime::spectral::kCosineForward);
    const auto output = load(memory, 32, size);
    for (int k = 0; k < size / 2; k += checkStride(size))
        ASSERT_NEAR(output[k], directCoefficient(input, k), 1e-10)
            << "size " << size << " bin " << k;
    ASSERT_NEAR(output[size / 2 - 1], directCoefficient(input, size / 2 - 1), 1e-10);
    for (int i = size / 2; i < size; ++i)
        ASSERT_EQ(output[i], 0.0) << i;
}

TEST_P(CosineSizes, InverseMatchesDirectDefinition) {
    const int size = GetParam();
    CVobrixMemory memory;
    const auto coefficients = randomValues(size / 2, 17u + size);
    store(memory, 0, coefficients);
    gravelo::runtime::spectral::cosineTransform(memory, 0, size,
                                                gravelo::runtime::spectral::kCosineInverse);
    const auto output = load(memory, 0, size);
    for (int n = 0; n < size; n += checkStride(size))
        ASSERT_NEAR(output[n], directSample(coefficients, size, n), 1e-12)
            << "size " << size << " sample " << n;
    ASSERT_NEAR(output[size - 1], directSample(coefficients, size, size - 1), 1e-12);
}

// Frames of N samples at hop N/2; each is transformed, inverted and
// overlap-added. The samples covered by two frames must come back.
std::vector<double> overlapAdd(const std::vector<double>& signal, int size, bool sineWindow) {
    CVobrixMemory memory;
    std::vector<double> window(size, 1.0);
    if (sineWindow)
        for (int n = 0; n < size; ++n)
            window[n] = std::sin(std::numbers::pi * (n + 0.5) / size);
    std::vector<double> output(signal.size(), 0.0);
    for (size_t start = 0; start + size <= signal.size(); start += size / 2) {
        for (int n = 0; n < size; ++n)
            memory.mem(n) = signal[start + n] * window[n];
        gravelo::runtime::spectral::cosineTransform(memory, 0, size,
                                                    gravelo::runtime::spectral::kCosineForward);
        gravelo::runtime::spectral::cosineTransform(memory, 0, size,
                                                    gravelo::runtime::spectral::kCosineInverse);
        for (int n = 0; n < size; ++n)
            output[start + n] += memory.mem(n) * window[n];
    }
    return output;
}

TEST_P(CosineSizes, SineWindowedOverlapAddReconstructs) {
    const int size = GetParam();
    const auto signal = randomValues(3 * size, 29u + size);
    const auto output = overlapAdd(signal, size, true);
    for (int i = size / 2; i < 5 * size / 2; ++i)
        ASSERT_NEAR(output[i], signal[i], 1e-9) << i;
}

TEST_P(CosineSizes, UnwindowedOverlapAddGivesTwiceTheSignal) {
    const int size = GetParam();
    const auto signal = randomValues(3 * size, 31u + size);
    const auto output = overlapAdd(signal, size, false);
    for (int i = size / 2; i < 5 * size / 2; ++i)
        ASSERT_NEAR(output[i], 2.0 * signal[i], 1e-9) << i;
}

INSTANTIATE_TEST_SUITE_P(PowersOfTwo, CosineSizes, ::testing::Values(32, 64, 128, 256, 1024, 4096));

struct FilledMemory {
    CVobrixMemory memory;
    std::vector<double> before = randomValues(2 * kPage, 77u);
    FilledMemory() { store(memory, 0, before); }
    bool unchanged() { return memory.pageCount() == 2 && load(memory, 0, 2 * kPage) == before; }
};

TEST(CosineTransform, SizesOutsideTheRangeLeaveMemoryUnchanged) {
    FilledMemory filled;
    for (double size : {0.0, 8.0, 16.0, 8192.0, 65536.0, 48.0, 100.0, -32.0})
        for (int direction : {0, 1})
            gravelo::runtime::spectral::cosineTransform(filled.memory, 0, size, direction);
    EXPECT_TRUE(filled.unchanged());
}

TEST(CosineTransform, UnknownDirectionsLeaveMemoryUnchanged) {
    FilledMemory filled;
    for (int direction : {-1, 2, 4, 5})
        gravelo::runtime::spectral::cosineTransform(filled.memory, 0, 64, direction);
    EXPECT_TRUE(filled.unchanged());
}

TEST(CosineTransform, DataCrossingIntoTheNextPageLeavesMemoryUnchanged) {
    FilledMemory filled;
    for (int direction : {0, 1})
        gravelo::runtime::spectral::cosineTransform(filled.memory, kPage - 63, 64, direction);
    EXPECT_TRUE(filled.unchanged());
}

TEST(CosineTransform, FrameEndingExactlyAtPageEndIsTransformed) {
    CVobrixMemory memory;
    const auto input = randomValues(64, 3u);
    store(memory, kPage - 64, input);
    gravelo::runtime::spectral::cosineTransform(memory, kPage - 64, 64,
                                                gravelo::runtime::spectral::kCosineForward);
    EXPECT_NEAR(memory.mem(kPage - 64 + 5), directCoefficient(input, 5), 1e-12);
    EXPECT_EQ(memory.pageCount(), 1u);
}

} // namespace
