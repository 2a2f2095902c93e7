// Small Cairo helpers shared by the image painters.
#pragma once

#include <cairo.h>

#include <cstdint>

namespace gravelo::images {

struct Rgb {
    double r, g, b;
};

inline Rgb rgb(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}
void setColour(cairo_t* cr, Rgb c, double alpha = 1.0);
Rgb mix(Rgb a, Rgb b, double t);

// An image surface of width x height panel pixels drawn at the given scale:
// scale times as many device pixels each way, and every drawing call still
// in panel pixels, so shapes and text are drawn at the scale, not stretched.
cairo_surface_t* createSurface(cairo_format_t format, int width, int height, int scale);

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);

// Text centred on cx with its baseline at y, in "Liberation Sans" (the
// face Arial resolves to here).
void centredText(cairo_t* cr, const char* text, double cx, double baseline, double size, bool bold,
                 Rgb colour, double alpha = 1.0);
// As centredText, with a one-pixel dark shadow below, as if engraved.
void engravedText(cairo_t* cr, const char* text, double cx, double baseline, double size,
                  Rgb colour);

// Adds deterministic per-pixel brightness noise of the given strength
// (0..1) to the surface, for tolex and brushed-metal grain. Horizontal
// streaks streak panel pixels long when streak > 1. The grain is as fine
// as the surface's device pixels.
void addGrain(cairo_surface_t* surface, double strength, int streak, uint32_t seed);

// The angle in radians of frame i of a strip of n frames: the pointer turns
// 300 degrees clockwise, from 150 degrees left of straight up to 150 right.
double pointerAngle(int frame, int frames);

} // namespace gravelo::images
