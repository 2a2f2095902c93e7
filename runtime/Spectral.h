// Spectral built-ins on the paged memory: a fast Fourier transform with its
// bit-reversal permutation, a modified discrete cosine transform and complex
// multiplication. The tables are process-wide, built once.
#pragma once

#include <cstdint>

class CVobrixMemory;

namespace spectral {

// Builds the process-wide tables on the first call; later calls do nothing.
void buildTables();
// How many times the tables were built in this process (0 or 1).
int tableBuildCount();

} // namespace spectral
