// The Cairo backend's definitions of the backend's opaque types; private to
// this folder.
#pragma once

#include "toolkit/platform/GraphicsBackend.h"

#include <cairo.h>

namespace VSTGUI::platform {

struct Image {
    cairo_surface_t* surface = nullptr; // an ARGB32 image surface
};

struct Canvas {
    cairo_t* cr = nullptr;
    bool antialias = false;
    double scale = 1.0; // physical pixels per unit, see setScale
};

struct Font {
    cairo_font_face_t* face = nullptr;
    double pixelSize = 0.0;
    bool underline = false;
    std::string family; // what matching resolved the requested name to
};

inline void setSourceColour(cairo_t* cr, Colour c) {
    cairo_set_source_rgba(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0, c.alpha / 255.0);
}

} // namespace VSTGUI::platform
