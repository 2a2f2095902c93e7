// Film-strip knobs: frames stacked vertically, the pointer turning 300
// degrees from the first frame to the last.
#pragma once

#include "Paint.h"

namespace gravelo::images {

struct KnobLook {
    Rgb capLight;    // top-left of the cap
    Rgb capDark;     // bottom-right of the cap
    Rgb skirt;       // the ridged outer ring
    double capRatio; // cap radius over body radius
};

// The pointer's colour, shared by every knob so it reads the same across
// the panel.
Rgb pointerColour();

// A strip of frames frames of size x size panel pixels, transparent around
// the knob, drawn at the given scale.
cairo_surface_t* makeKnobStrip(int size, int frames, const KnobLook& look, int scale);

} // namespace gravelo::images
