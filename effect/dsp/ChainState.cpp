#include "ChainState.h"

#include <array>
#include <cstring>
#include <type_traits>

namespace gravelo::dsp {

// The state is nothing but doubles (in nested structs), so it can be
// scanned as one array of them.
bool ChainState::allFinite() const {
    static_assert(std::is_trivially_copyable_v<ChainState>);
    static_assert(sizeof(ChainState) % sizeof(double) == 0);
    std::array<double, sizeof(ChainState) / sizeof(double)> values;
    std::memcpy(values.data(), this, sizeof values);
    double sum = 0.0;
    for (double v : values)
        sum += v * 0.0; // NaN exactly for a NaN or infinite v
    return sum == 0.0;
}

} // namespace gravelo::dsp
