// Where the panel's moving parts sit, so the background can frame them: the
// knobs (top-left corner and size), the meters and the limiter indicator.
#pragma once

namespace gravelo::images {

struct KnobPlace {
    const char* caption; // the slider's name
    int x, y, size;
};

inline constexpr KnobPlace kKnobs[] = {
    {"Quorvel", 40, 50, 80},  {"Output", 480, 50, 80}, {"Presence", 50, 180, 60},
    {"Dirt", 490, 180, 60},   {"Bass", 200, 180, 60},  {"Middle", 270, 180, 60},
    {"Treble", 340, 180, 60}, {"Depth", 435, 120, 40}, {"LFcut", 130, 120, 40},
};

// Four meters, 200 pixels wide and 11 apart, 0 dB at x + 100.
inline constexpr int kMeterX = 200;
inline constexpr int kMeterY[] = {70, 81, 92, 103};
inline constexpr int kMeterWidth = 200;
inline constexpr int kMeterHeight = 10;

inline constexpr int kLedX = 149;
inline constexpr int kLedY = 79;

// Where the faint build label is drawn over the background.
inline constexpr int kBuildLabelX = 15;
inline constexpr int kBuildLabelY = 257;

} // namespace gravelo::images
