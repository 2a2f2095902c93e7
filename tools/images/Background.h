// The panel background: dark tolex with a brushed-aluminium top trim, the
// logo, screws, the knobs' scales and captions, the meter window and the
// limiter's caption. The panel's size, no alpha channel.
#pragma once

#include <cairo.h>

namespace gravelo::images {

// An RGB24 surface (written as a PNG without alpha), drawn at the given
// scale.
cairo_surface_t* makeBackground(int scale);

} // namespace gravelo::images
