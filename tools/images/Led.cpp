#include "Led.h"

#include "Paint.h"

#include <numbers>

namespace gravelo::images {

cairo_surface_t* makeLedStrip(int scale) {
    constexpr int kSize = 6;
    constexpr int kFrames = 10;
    cairo_surface_t* strip = createSurface(CAIRO_FORMAT_ARGB32, kSize, kSize * kFrames, scale);
    cairo_t* cr = cairo_create(strip);
    const Rgb unlit = rgb(88, 84, 84);
    const Rgb lit = rgb(255, 28, 18);
    for (int i = 0; i < kFrames; ++i) {
        const double level = i / double(kFrames - 1);
        const double cx = kSize / 2.0, cy = kSize * i + kSize / 2.0;
        // Dark bezel, then the lens, then a hot centre that grows with level.
        setColour(cr, rgb(20, 20, 20));
        cairo_arc(cr, cx, cy, 3.0, 0, 2 * std::numbers::pi);
        cairo_fill(cr);
        setColour(cr, mix(unlit, lit, level));
        cairo_arc(cr, cx, cy, 2.3, 0, 2 * std::numbers::pi);
        cairo_fill(cr);
        setColour(cr, mix(rgb(150, 150, 150), rgb(255, 140, 110), level), 0.35 + 0.45 * level);
        cairo_arc(cr, cx - 0.5, cy - 0.5, 0.9, 0, 2 * std::numbers::pi);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    return strip;
}

} // namespace gravelo::images
