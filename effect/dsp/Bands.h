// How many bands the crossover splits the signal into: the band levelers,
// the panel's meters and every format's meter outputs count from it.
#pragma once

namespace gravelo::dsp {

inline constexpr int kBandCount = 4;

} // namespace gravelo::dsp
