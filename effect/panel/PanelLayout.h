// Where everything on the amplifier's panel sits: its size and redraw rate,
// the knobs, the four gain meters, the limiter lamp and the build label. The
// panel draws from it, the image generator paints the background around it,
// and whatever aims the mouse at the panel or opens a window for it reads it.
#pragma once

#include "effect/Controls.h"
#include "effect/dsp/Bands.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace gravelo::panel_layout {

// The editor panel in pixels, and how often it is redrawn (frames per second).
inline constexpr int32_t kWidth = 600;
inline constexpr int32_t kHeight = 284;
inline constexpr double kRedrawRate = 30.0;

// Where a knob sits (top-left corner, square of `size`), how it moves
// (range and units per step of `sens`), its film strip (image number and
// frame count) and the caption engraved above it.
struct KnobLayout {
    int32_t slider;
    double x, y, minimum, maximum, sens, size;
    int32_t frames;
    int32_t image;
    const char* caption;

    constexpr double centreX() const { return x + size / 2; }
    constexpr double centreY() const { return y + size / 2; }
};

// A knob turns over its control's whole range.
constexpr KnobLayout knob(int control, double x, double y, double sens, double size, int32_t frames,
                          int32_t image) {
    const gravelo::ControlDefinition& c = gravelo::kControls[static_cast<size_t>(control)];
    return {c.slider, x, y, c.minimum, c.maximum, sens, size, frames, image, c.name};
}

inline constexpr std::array<KnobLayout, gravelo::kControlCount> kKnobs = {{
    knob(0, 40, 50, 0.5, 80, 41, 0),
    knob(1, 480, 50, 0.5, 80, 41, 0),
    knob(2, 50, 180, 0.2, 60, 31, 1),
    knob(3, 490, 180, 0.2, 60, 31, 1),
    knob(4, 200, 180, 0.1, 60, 31, 1),
    knob(5, 270, 180, 0.1, 60, 31, 1),
    knob(6, 340, 180, 0.1, 60, 31, 1),
    knob(7, 435, 120, 0.1, 40, 31, 4),
    knob(8, 130, 120, 0.1, 40, 31, 4),
}};

// The controls, the biggest knobs first and each size in the panel's
// reading order (by rows from the top, then from the left): the order in
// which a hardware controller's knobs take them.
constexpr std::array<int, gravelo::kControlCount> controlsBiggestFirst() {
    std::array<KnobLayout, gravelo::kControlCount> knobs = kKnobs;
    std::sort(knobs.begin(), knobs.end(), [](const KnobLayout& p, const KnobLayout& q) {
        if (p.size != q.size) return p.size > q.size;
        return p.centreY() != q.centreY() ? p.centreY() < q.centreY() : p.centreX() < q.centreX();
    });
    std::array<int, gravelo::kControlCount> order{};
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = knobs[i].slider - 1;
    return order;
}

// Four meters, one per band: 0 dB at x + 100, a bar at most 200 pixels
// wide and 10 high.
struct MeterPosition {
    double x, y;
};
inline constexpr std::array<MeterPosition, gravelo::dsp::kBandCount> kMeters = {
    {{200, 70}, {200, 81}, {200, 92}, {200, 103}}};
inline constexpr double kMeterWidth = 200;
inline constexpr double kMeterHeight = 10;

// The limiter lamp: a 6 × 6 frame of its film strip.
inline constexpr double kLampX = 149;
inline constexpr double kLampY = 79;
inline constexpr double kLampSize = 6;
// Lit fully by a clip, it fades by this much per panel frame.
inline constexpr double kLampFadePerFrame = 0.05;

// The faint build label, bottom left.
inline constexpr double kBuildLabelX = 15;
inline constexpr double kBuildLabelY = 257;

} // namespace gravelo::panel_layout
