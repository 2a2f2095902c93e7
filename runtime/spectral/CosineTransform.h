// Modified discrete cosine transform of size N: N samples in, N/2
// coefficients out, and back.
//   forward  X[k] = sum_{n<N} x[n] cos(2pi/N (n + 1/2 + N/4)(k + 1/2)),       k < N/2
//   inverse  y[n] = 4/N sum_{k<N/2} X[k] cos(2pi/N (n + 1/2 + N/4)(k + 1/2)), n < N
// The inverse scale is chosen so that a Princen-Bradley window (w[n]^2 +
// w[n + N/2]^2 = 1, e.g. the sine window) applied before the forward and
// after the inverse transform reconstructs the signal exactly when frames
// overlap by N/2; without windows the overlap-add gives twice the signal.
#pragma once

namespace gravelo::runtime::spectral {

constexpr int kMinCosineSize = 32;
constexpr int kMaxCosineSize = 4096;

// data holds size samples; the N/2 coefficients replace the lower half and
// the upper half is cleared, so no stale samples pass for coefficients.
// size is a power of two from kMinCosineSize to kMaxCosineSize.
void cosineForward(double* data, int size);
// data holds size/2 coefficients in its lower half; all size cells receive
// the output samples. size as for cosineForward.
void cosineInverse(double* data, int size);

} // namespace gravelo::runtime::spectral
