#include "runtime/spectral/CosineTransform.h"

#include "runtime/spectral/FourierCore.h"

#include <array>
#include <cmath>
#include <memory>
#include <mutex>
#include <numbers>
#include <vector>

// The N-point transform folds its input into an N/2-point type-IV cosine
// transform, which in turn runs as an N/4-point complex Fourier transform
// between a pre-rotation and a post-rotation.

namespace gravelo::runtime::spectral {

namespace {

// Rotations by exp(-i * angle), as cos, sin pairs.
struct CosineTables {
    std::vector<double> preRotation;  // angle pi (n + 1/4) / (N/2), n < N/4
    std::vector<double> postRotation; // angle pi k / (N/2), k < N/4
};

constexpr int kCosineSizeCount = 8; // 32 .. 4096

std::vector<double> rotations(int count, double offset, double step) {
    std::vector<double> pairs;
    pairs.reserve(2 * static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        pairs.push_back(std::cos((i + offset) * step));
        pairs.push_back(std::sin((i + offset) * step));
    }
    return pairs;
}

std::unique_ptr<const CosineTables> makeCosineTables(int size) {
    const double step = 2.0 * std::numbers::pi / static_cast<double>(size);
    return std::make_unique<const CosineTables>(
        CosineTables{rotations(size / 4, 0.25, step), rotations(size / 4, 0.0, step)});
}

// Each size's tables are made on its first use; call_once publishes them
// to other threads only once complete.
std::once_flag cosineOnce[kCosineSizeCount];
// Freed with the library, like the Fourier tables.
std::unique_ptr<const CosineTables> cosineTables[kCosineSizeCount];

const CosineTables& tablesFor(int size) {
    const int slot = exactLog2(size) - exactLog2(kMinCosineSize);
    std::call_once(cosineOnce[slot], [slot, size] { cosineTables[slot] = makeCosineTables(size); });
    return *cosineTables[slot];
}

// (re + i im) * exp(-i angle) with the angle's cos, sin pair.
void rotate(const double* pair, double re, double im, double* out) {
    out[0] = re * pair[0] + im * pair[1];
    out[1] = im * pair[0] - re * pair[1];
}

// Element i of the N/2 sequence whose type-IV transform equals the
// transform of the N samples x.
double folded(const double* x, int i, int half) {
    const int quarter = half / 2;
    if (i < quarter) return -x[3 * quarter - 1 - i] - x[3 * quarter + i];
    return x[i - quarter] - x[3 * quarter - 1 - i];
}

// Type-IV cosine transform of the half-length sequence given by element(i),
// written to out[0 .. half). work holds half doubles.
template <typename Element>
void typeFourTransform(const CosineTables& tables, int half, Element element, double* work,
                       double* out) {
    const int quarter = half / 2;
    for (int n = 0; n < quarter; ++n)
        rotate(&tables.preRotation[2 * n], element(2 * n), element(half - 1 - 2 * n), work + 2 * n);
    decimateInFrequency(work, quarter, Direction::forward);
    const Permutation& order = *permutationFor(quarter);
    for (int k = 0; k < quarter; ++k) {
        double y[2];
        const double* z = work + 2 * order.target[k];
        rotate(&tables.postRotation[2 * k], z[0], z[1], y);
        out[2 * k] = y[0];
        out[half - 1 - 2 * k] = -y[1];
    }
}

// Transpose of folded(): spreads the half-length sequence w over N samples.
void unfold(const double* w, int half, double scale, double* x) {
    const int quarter = half / 2;
    for (int i = 0; i < quarter; ++i) {
        x[3 * quarter - 1 - i] = -scale * w[i];
        x[3 * quarter + i] = -scale * w[i];
    }
    for (int i = quarter; i < half; ++i) {
        x[i - quarter] = scale * w[i];
        x[3 * quarter - 1 - i] = -scale * w[i];
    }
}

} // namespace

void cosineForward(double* data, int size) {
    const int half = size / 2;
    std::array<double, kMaxCosineSize / 2> work;
    typeFourTransform(
        tablesFor(size), half, [data, half](int i) { return folded(data, i, half); }, work.data(),
        data);
    for (int i = half; i < size; ++i)
        data[i] = 0.0;
}

void cosineInverse(double* data, int size) {
    const int half = size / 2;
    std::array<double, kMaxCosineSize> work;
    double* coefficients = work.data() + half;
    typeFourTransform(
        tablesFor(size), half, [data](int i) { return data[i]; }, work.data(), coefficients);
    unfold(coefficients, half, 2.0 / half, data);
}

} // namespace gravelo::runtime::spectral
