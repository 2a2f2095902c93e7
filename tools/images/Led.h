// The limiter indicator: ten 6 x 6 frames stacked vertically, from an unlit
// grey lens to a fully lit red one.
#pragma once

#include <cairo.h>

namespace gravelo::images {

cairo_surface_t* makeLedStrip();

} // namespace gravelo::images
