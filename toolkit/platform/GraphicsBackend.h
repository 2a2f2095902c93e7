// The toolkit's one door to a 2-D graphics library. Each backend (one
// folder under platform/, picked by CMake) implements these few operations;
// nothing above this header sees the library's own types.
//
// Pixel convention shared by every backend: a fill of (x, y, w, h) covers
// the pixels x .. x + w - 1; strokes, ellipses and arcs run through pixel
// centres, so a one-pixel stroke at integer x lights pixel column x.
#pragma once

#include "toolkit/Colour.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace VSTGUI::platform {

// Prepares the library for the first user of this module, and lets it go
// after the last one. A backend whose library is shared with the host and
// other plug-ins (fontconfig, Cairo) does nothing in shutdown.
void startup();
void shutdown();

struct Image;  // 32-bit ARGB pixels
struct Canvas; // a drawing target with its clip and smoothing state
struct Font;   // a face resolved by family name, at a pixel size

// ---- images --------------------------------------------------------------
// Every pixel zero (transparent black); null when the size is not positive.
Image* createImage(int width, int height);
// PNG bytes in memory, or a PNG file; null when nothing could be decoded.
Image* decodePng(const uint8_t* data, size_t size);
Image* loadPngFile(const char* path);
void releaseImage(Image* image);
int imageWidth(const Image* image);
int imageHeight(const Image* image);
// Straight (not premultiplied) colour; transparent outside the image.
Colour imagePixel(const Image* image, int x, int y);
[[nodiscard]] bool writePng(const Image* image, const char* path);
// The image's pixels as the backend stores them, row after row, `stride`
// words apart: for telling whether two images of this backend differ, not
// for reading colours (imagePixel does that). Null for no image.
const uint32_t* imageWords(const Image* image, size_t& stride);

// ---- fonts ---------------------------------------------------------------
enum class FontStyle { Regular, Bold, Italic, Underline };
// Resolves family through the system's font matching, so a missing face
// yields its metric-compatible substitute. Null only when no face exists.
Font* createFont(const char* family, double pixelSize, FontStyle style);
void releaseFont(Font* font);
// The family the matching settled on (for diagnostics and tests).
std::string resolvedFamily(const Font* font);

// ---- canvases ------------------------------------------------------------
// Draws into image, which must outlive the canvas.
Canvas* createCanvas(Image* image);
// Draws onto a surface of the library handed over by a window backend (for
// Cairo a cairo_surface_t*); the canvas holds its own reference to it.
Canvas* createCanvasForNativeSurface(void* surface);
void releaseCanvas(Canvas* canvas);

void setAntialias(Canvas* canvas, bool on);
// Magnifies everything drawn on canvas from now on by scale (physical
// pixels per unit): coordinates, clips, pens, text and images are given in
// units and drawn at the target's resolution, text by the library at its
// scaled size. Called once, before any drawing; 1 leaves the canvas as is.
void setScale(Canvas* canvas, double scale);
// Replaces the clip by the pixel rectangle (x, y, width, height).
void setClip(Canvas* canvas, int x, int y, int width, int height);

// How a shape is painted: filled in colour, or outlined with a pen.
struct Paint {
    Colour colour;
    bool fill = true;
    double lineWidth = 1.0;
    bool dotted = false;
};
struct Point {
    double x;
    double y;
};

// The end pixel of a line is not drawn, so a line one pixel long lights
// exactly its start pixel.
void drawLine(Canvas* canvas, const Paint& pen, Point from, Point to);
void paintRect(Canvas* canvas, const Paint& paint, double x, double y, double width, double height);
void paintEllipse(Canvas* canvas, const Paint& paint, double x, double y, double width,
                  double height);
// Angles in degrees, clockwise on screen from the positive x axis; a fill
// closes the arc with its chord.
void paintArc(Canvas* canvas, const Paint& paint, double x, double y, double width, double height,
              double startAngle, double sweepAngle);
void paintPolygon(Canvas* canvas, const Paint& paint, const Point* points, size_t count,
                  bool closed);

// Text is UTF-8. top is the top of the line box; the baseline lies one
// ascent below it.
double textWidth(Canvas* canvas, const Font* font, const char* text);
double lineHeight(Canvas* canvas, const Font* font);
void drawText(Canvas* canvas, const Font* font, const char* text, double x, double top,
              Colour colour, bool antialias);

// Copies the source area (srcX, srcY, width, height) of image to (dstX,
// dstY), blended over the target with the image's own alpha scaled by
// alpha / 255. Every figure is in units; the image holds imageScale pixels
// per unit (1 for a 1x image, 2 for an @2x one). Where one image pixel
// lands on one target pixel it is copied as it is; elsewhere it is filtered.
void drawImage(Canvas* canvas, const Image* image, int srcX, int srcY, int width, int height,
               int dstX, int dstY, uint8_t alpha, double imageScale = 1.0);

} // namespace VSTGUI::platform
