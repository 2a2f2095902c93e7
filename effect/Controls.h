// The nine controls of the amplifier, in the order hosts number them:
// slider number, name, range, step, default and unit. The effect defines
// its sliders from this table, the panel's knobs take their ranges from it,
// and every format describes its parameters by it.
#pragma once

#include <array>
#include <cstdint>

namespace gravelo {

struct ControlDefinition {
    int32_t slider;
    const char* name;
    double defaultValue, minimum, maximum, step;
    // The unit of the value as hosts show it; empty for a plain number.
    const char* unit;

    constexpr bool isDecibels() const { return unit[0] == 'd' && unit[1] == 'B'; }
};

// The count of controls everywhere is this table's length (kControlCount).
inline constexpr auto kControls = std::to_array<ControlDefinition>({
    {1, "Quorvel", 0.0, 0.0, 40.0, 1.0, "dB"},
    {2, "Output", 0.0, -20.0, 20.0, 0.5, "dB"},
    {3, "Presence", 0.0, 0.0, 10.0, 0.1, ""},
    {4, "Dirt", 0.0, 0.0, 10.0, 0.1, ""},
    {5, "Bass", 0.0, -6.0, 6.0, 0.1, ""},
    {6, "Middle", 0.0, -6.0, 6.0, 0.1, ""},
    {7, "Treble", 0.0, -6.0, 6.0, 0.1, ""},
    {8, "Depth", 8.0, 0.1, 10.0, 0.1, ""},
    {9, "LFcut", 0.0, 0.0, 10.0, 0.1, ""},
});

inline constexpr int kControlCount = static_cast<int>(kControls.size());

} // namespace gravelo
