// Helpers for the spectral tests: random data in the paged memory and
// straightforward O(N^2) reference transforms written from their formulas.
#pragma once

#include "runtime/CVobrixMemory.h"

#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

namespace gravelo::test::spectral {

using Complex = std::complex<double>;

inline std::vector<double> randomValues(size_t count, uint32_t seed) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    std::vector<double> values(count);
    for (double& v : values)
        v = uniform(generator);
    return values;
}

inline void store(CVobrixMemory& memory, int32_t address, const std::vector<double>& values) {
    for (size_t i = 0; i < values.size(); ++i)
        memory.mem(address + static_cast<int32_t>(i)) = values[i];
}

inline std::vector<double> load(CVobrixMemory& memory, int32_t address, size_t count) {
    std::vector<double> values(count);
    for (size_t i = 0; i < count; ++i)
        values[i] = memory.mem(address + static_cast<int32_t>(i));
    return values;
}

inline std::vector<Complex> toComplex(const std::vector<double>& interleaved) {
    std::vector<Complex> values(interleaved.size() / 2);
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = {interleaved[2 * i], interleaved[2 * i + 1]};
    return values;
}

inline std::vector<double> interleave(const std::vector<Complex>& values) {
    std::vector<double> interleaved;
    for (const Complex& v : values) {
        interleaved.push_back(v.real());
        interleaved.push_back(v.imag());
    }
    return interleaved;
}

// sum_n x[n] exp(sign * 2 pi i n k / N) for one k; the angle is reduced
// modulo N first so large products keep full precision.
inline Complex directBin(const std::vector<Complex>& x, size_t k, double sign) {
    const size_t n = x.size();
    Complex sum = 0.0;
    for (size_t j = 0; j < n; ++j) {
        const double angle = 2.0 * std::numbers::pi * static_cast<double>((j * k) % n) / n;
        sum += x[j] * Complex(std::cos(angle), sign * std::sin(angle));
    }
    return sum;
}

inline std::vector<Complex> directFourier(const std::vector<Complex>& x, double sign) {
    std::vector<Complex> result(x.size());
    for (size_t k = 0; k < x.size(); ++k)
        result[k] = directBin(x, k, sign);
    return result;
}

inline int32_t reverseBits(int32_t value, int32_t size) {
    int32_t reversed = 0;
    for (int32_t bit = 1; bit < size; bit <<= 1)
        reversed = (reversed << 1) | ((value & bit) ? 1 : 0);
    return reversed;
}

// cos(2 pi / N (n + 1/2 + N/4)(k + 1/2)), the kernel of the modified cosine transform.
inline double cosineKernel(int size, int n, int k) {
    return std::cos(2.0 * std::numbers::pi / size * (n + 0.5 + size / 4.0) * (k + 0.5));
}

inline double maxDifference(const std::vector<double>& a, const std::vector<double>& b) {
    double worst = 0.0;
    for (size_t i = 0; i < a.size(); ++i)
        worst = std::fmax(worst, std::fabs(a[i] - b[i]));
    return a.size() == b.size() ? worst : INFINITY;
}

} // namespace gravelo::test::spectral
