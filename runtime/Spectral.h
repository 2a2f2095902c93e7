// Spectral built-ins on the paged memory: a fast Fourier transform with its
// bit-reversal permutation, a modified discrete cosine transform and complex
// multiplication. The tables are process-wide, built once.
//
// Every argument is a runtime double; addresses, sizes and modes become
// integers with toIndex. A spectrum is N complex values stored as 2N
// doubles, real then imaginary. The data of one call must lie inside one
// memory page, because the built-ins work on the page's storage directly;
// a call whose data would cross into the next page does nothing.
//
// Fourier convention, sizes 16 to 32768 (powers of two):
//   mode 0  forward, X[k] = sum x[n] exp(-2 pi i n k / N), unscaled; takes
//           natural order, leaves the spectrum in bit-reversed order.
//   mode 1  inverse, x[n] = 1/N sum X[k] exp(+2 pi i n k / N); takes
//           bit-reversed order, leaves natural order.
//   mode 4  bit-reversed order to natural order (element rev(i) moves to i).
//   mode 5  natural order to bit-reversed order (undoes mode 4).
// So mode 0 then 1 round-trips, and 0, 4, <work on the spectrum>, 5, 1
// gives access to the spectrum in natural order. Other modes do nothing.
//
// The cosine transform (sizes 32 to 4096) is defined in
// spectral/CosineTransform.h; direction 0 is forward, 1 inverse.
#pragma once

#include <cstdint>

class CVobrixMemory;

namespace gravelo::runtime::spectral {

// Builds the process-wide tables on the first call; later calls do nothing.
// Safe to call from several threads at once: all wait for the one build.
void buildTables();
// How many times the tables were built in this process (0 or 1).
int tableBuildCount();

enum FourierMode { kFourierForward = 0, kFourierInverse = 1, kPermute = 4, kUnpermute = 5 };
enum CosineDirection { kCosineForward = 0, kCosineInverse = 1 };

void fourierTransform(CVobrixMemory& memory, double address, double size, double mode);
void cosineTransform(CVobrixMemory& memory, double address, double size, double direction);
// destination[i] *= source[i] for count complex values, count rounded down
// to an even number; destination and source may be the same address.
void complexMultiply(CVobrixMemory& memory, double destination, double source, double count);

} // namespace gravelo::runtime::spectral
