// The leveler's meter window: a dark glass recess behind the four meters,
// its title and the dB scale under them.
#pragma once

#include <cairo.h>

namespace gravelo::images {

// The meter bar for a gain of g dB ends at x + ceil(100 + 43.3 ln 10^(g/20)):
// about 4.99 pixels per dB around the 0 dB mark.
double meterScaleX(double decibels);

void paintMeterWindow(cairo_t* cr);

} // namespace gravelo::images
