// The limiter indicator: ten 6 x 6 frames stacked vertically, from an unlit
// grey lens to a fully lit red one.
#pragma once

#include <cairo.h>

namespace gravelo::images {

// Drawn at the given scale.
cairo_surface_t* makeLedStrip(int scale);

} // namespace gravelo::images
