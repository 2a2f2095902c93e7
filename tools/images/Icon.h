// The application icon: one of the panel's big aluminium knobs, turned
// past the middle, on a rounded square of the panel's dark tolex with an
// orange rim in the pointer's colour. Written as PNGs for the desktop's
// icon theme and as one .ico for Windows.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

namespace gravelo::images {

// The icon at pixels x pixels, with alpha.
cairo_surface_t* makeIcon(int pixels);

// Writes the surfaces (square ARGB32, at most 256 pixels a side) as one
// .ico file, each as an uncompressed 32-bit image with its mask.
bool writeIco(const std::string& path, const std::vector<cairo_surface_t*>& images);

} // namespace gravelo::images
