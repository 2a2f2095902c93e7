// Process-wide transform tables: for every power-of-two size the twiddle
// pairs and the bit-reversal permutation. They are built once and shared
// read-only by every thread, so a transform never allocates; they are freed
// when the library is unloaded.
#pragma once

#include <cstdint>
#include <vector>

namespace gravelo::runtime::spectral {

constexpr int kMinFourierSize = 16;
constexpr int kMaxFourierSize = 32768;
// Passes of 16 points and fewer use literal constants instead of a table.
constexpr int kMinTwiddleTableSize = 32;
// The 32-point cosine transform runs an 8-point Fourier transform inside.
constexpr int kMinPermutationSize = 8;

struct Permutation {
    // target[i] is i with its bits reversed; moving element target[i] to i
    // turns bit-reversed order into natural order.
    std::vector<int32_t> target;
    // Smallest index of every cycle longer than one element, so the
    // permutation can run in place without a visited mark.
    std::vector<int32_t> cycleStarts;
};

// Log2 of size when size is a power of two, otherwise -1.
int exactLog2(int64_t size);

// cos, sin of 2*pi*k/size for k = 1 .. size/2 - 1, interleaved; null for
// sizes without a table.
const double* twiddlePairs(int size);
// Number of pairs twiddlePairs(size) holds, 0 without a table.
int twiddlePairCount(int size);
// Bit-reversal permutation of size elements; null for sizes without one.
const Permutation* permutationFor(int size);

} // namespace gravelo::runtime::spectral
