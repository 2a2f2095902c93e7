// Canvases on Cairo contexts: smoothing, clipping, shapes and image copies.
#include "CairoTypes.h"

#include <cmath>
#include <numbers>

namespace VSTGUI::platform {
namespace {

Canvas* adopt(cairo_t* cr) {
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(cr);
        return nullptr;
    }
    // A new context draws aliased until its draw mode asks for smoothing.
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    return new Canvas{cr, false};
}

// Fills or strokes the current path, as paint says, and clears the path.
void finish(cairo_t* cr, const Paint& paint) {
    setSourceColour(cr, paint.colour);
    if (paint.fill) {
        cairo_fill(cr);
        return;
    }
    cairo_set_line_width(cr, paint.lineWidth);
    if (paint.dotted) {
        const double dash[] = {paint.lineWidth, paint.lineWidth};
        cairo_set_dash(cr, dash, 2, 0.0);
    } else {
        cairo_set_dash(cr, nullptr, 0, 0.0);
    }
    cairo_stroke(cr);
}

// An ellipse segment in the box, through pixel centres, as a new path.
void ellipsePath(cairo_t* cr, double x, double y, double w, double h, double startRad,
                 double sweepRad) {
    cairo_new_path(cr);
    if (w <= 0.0 || h <= 0.0) return; // Cairo cannot scale by zero
    cairo_save(cr);
    cairo_translate(cr, x + 0.5 + w / 2.0, y + 0.5 + h / 2.0);
    cairo_scale(cr, w / 2.0, h / 2.0);
    if (sweepRad >= 0.0)
        cairo_arc(cr, 0.0, 0.0, 1.0, startRad, startRad + sweepRad);
    else
        cairo_arc_negative(cr, 0.0, 0.0, 1.0, startRad, startRad + sweepRad);
    cairo_restore(cr); // the pen keeps its unscaled width
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

Canvas* createCanvas(Image* image) {
    if (image == nullptr) return nullptr;
    return adopt(cairo_create(image->surface));
}

Canvas* createCanvasForNativeSurface(void* surface) {
    if (surface == nullptr) return nullptr;
    return adopt(cairo_create(static_cast<cairo_surface_t*>(surface)));
}

void releaseCanvas(Canvas* canvas) {
    if (canvas == nullptr) return;
    cairo_surface_flush(cairo_get_target(canvas->cr));
    cairo_destroy(canvas->cr);
    delete canvas;
}

void setAntialias(Canvas* canvas, bool on) {
    canvas->antialias = on;
    cairo_set_antialias(canvas->cr, on ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

void setScale(Canvas* canvas, double scale) {
    if (!(scale > 0.0) || scale == canvas->scale) return;
    cairo_scale(canvas->cr, scale / canvas->scale, scale / canvas->scale);
    canvas->scale = scale;
}

void setClip(Canvas* canvas, int x, int y, int width, int height) {
    cairo_reset_clip(canvas->cr);
    cairo_new_path(canvas->cr);
    cairo_rectangle(canvas->cr, x, y, width < 0 ? 0 : width, height < 0 ? 0 : height);
    cairo_clip(canvas->cr);
}

void drawLine(Canvas* canvas, const Paint& pen, Point from, Point to) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length == 0.0) return;
    // Through pixel centres, but pulled back half a pixel along the line so
    // the stroke starts at the start pixel's edge and stops before the end
    // pixel.
    const double backX = 0.5 - 0.5 * dx / length;
    const double backY = 0.5 - 0.5 * dy / length;
    cairo_t* cr = canvas->cr;
    cairo_new_path(cr);
    cairo_move_to(cr, from.x + backX, from.y + backY);
    cairo_line_to(cr, to.x + backX, to.y + backY);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    Paint stroke = pen;
    stroke.fill = false;
    finish(cr, stroke);
}

void paintRect(Canvas* canvas, const Paint& paint, double x, double y, double width,
               double height) {
    cairo_t* cr = canvas->cr;
    cairo_new_path(cr);
    const double centre = paint.fill ? 0.0 : 0.5;
    cairo_rectangle(cr, x + centre, y + centre, width, height);
    finish(cr, paint);
}

void paintEllipse(Canvas* canvas, const Paint& paint, double x, double y, double width,
                  double height) {
    ellipsePath(canvas->cr, x, y, width, height, 0.0, 2.0 * std::numbers::pi);
    cairo_close_path(canvas->cr);
    finish(canvas->cr, paint);
}

void paintArc(Canvas* canvas, const Paint& paint, double x, double y, double width, double height,
              double startAngle, double sweepAngle) {
    ellipsePath(canvas->cr, x, y, width, height, radians(startAngle), radians(sweepAngle));
    finish(canvas->cr, paint);
}

void paintPolygon(Canvas* canvas, const Paint& paint, const Point* points, size_t count,
                  bool closed) {
    if (points == nullptr || count == 0) return;
    cairo_t* cr = canvas->cr;
    const double centre = paint.fill ? 0.0 : 0.5;
    cairo_new_path(cr);
    cairo_move_to(cr, points[0].x + centre, points[0].y + centre);
    for (size_t i = 1; i < count; ++i)
        cairo_line_to(cr, points[i].x + centre, points[i].y + centre);
    if (closed || paint.fill) cairo_close_path(cr);
    finish(cr, paint);
}

namespace {

void paintSource(cairo_t* cr, uint8_t alpha) {
    if (alpha == 255)
        cairo_paint(cr);
    else
        cairo_paint_with_alpha(cr, alpha / 255.0);
}

// An image whose pixels do not fall one on one onto the target's: only the
// source area is sampled (a strip of knob frames never bleeds into the
// next frame), its edge pixels padded outward, and filtered.
void drawResampled(cairo_t* cr, const Image* image, int srcX, int srcY, int width, int height,
                   int dstX, int dstY, uint8_t alpha, double imageScale) {
    cairo_surface_t* area =
        cairo_surface_create_for_rectangle(image->surface, srcX * imageScale, srcY * imageScale,
                                           width * imageScale, height * imageScale);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(area);
    cairo_matrix_t toImage;
    cairo_matrix_init_scale(&toImage, imageScale, imageScale);
    cairo_matrix_translate(&toImage, -dstX, -dstY);
    cairo_pattern_set_matrix(pattern, &toImage);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_BILINEAR);
    cairo_set_source(cr, pattern);
    paintSource(cr, alpha);
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(area);
}

} // namespace

void drawImage(Canvas* canvas, const Image* image, int srcX, int srcY, int width, int height,
               int dstX, int dstY, uint8_t alpha, double imageScale) {
    if (image == nullptr || width <= 0 || height <= 0 || !(imageScale > 0.0)) return;
    cairo_t* cr = canvas->cr;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, dstX, dstY, width, height);
    cairo_clip(cr);
    if (imageScale == canvas->scale && imageScale == std::floor(imageScale)) {
        // One image pixel on one target pixel: copied as it is.
        cairo_scale(cr, 1.0 / imageScale, 1.0 / imageScale);
        cairo_set_source_surface(cr, image->surface, (dstX - srcX) * imageScale,
                                 (dstY - srcY) * imageScale);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        paintSource(cr, alpha);
    } else {
        drawResampled(cr, image, srcX, srcY, width, height, dstX, dstY, alpha, imageScale);
    }
    cairo_restore(cr);
}

} // namespace VSTGUI::platform
