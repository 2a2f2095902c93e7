// Radix-2 complex Fourier passes on interleaved (real, imaginary) doubles.
// Neither pass reorders its output, so a forward pass in frequency followed
// by an inverse pass in time round-trips without any permutation.
#pragma once

#include "runtime/spectral/Tables.h"

namespace gravelo::runtime::spectral {

// forward uses exp(-2*pi*i*n*k/N), inverse exp(+2*pi*i*n*k/N).
enum class Direction { forward, inverse };

// Natural-order input, bit-reversed output, no scaling. size is a power of two.
void decimateInFrequency(double* data, int size, Direction direction);
// Bit-reversed input, natural-order output, no scaling. size is a power of two.
void decimateInTime(double* data, int size, Direction direction);

// Element target[i] moves to i: bit-reversed order becomes natural order.
void permute(double* data, const Permutation& permutation);
// Element i moves to target[i]: undoes permute.
void permuteInverse(double* data, const Permutation& permutation);

} // namespace gravelo::runtime::spectral
