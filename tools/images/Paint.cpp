#include "Paint.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace gravelo::images {

void setColour(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

cairo_surface_t* createSurface(cairo_format_t format, int width, int height, int scale) {
    cairo_surface_t* surface = cairo_image_surface_create(format, width * scale, height * scale);
    cairo_surface_set_device_scale(surface, scale, scale);
    return surface;
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double pi = std::numbers::pi;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -pi / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, pi / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, pi / 2, pi);
    cairo_arc(cr, x + radius, y + radius, radius, pi, 1.5 * pi);
    cairo_close_path(cr);
}

void centredText(cairo_t* cr, const char* text, double cx, double baseline, double size, bool bold,
                 Rgb colour, double alpha) {
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    cairo_move_to(cr, cx - extents.x_advance / 2, baseline);
    setColour(cr, colour, alpha);
    cairo_show_text(cr, text);
    cairo_new_path(cr);
}

void engravedText(cairo_t* cr, const char* text, double cx, double baseline, double size,
                  Rgb colour) {
    centredText(cr, text, cx, baseline + 1, size, true, rgb(0, 0, 0), 0.8);
    centredText(cr, text, cx, baseline, size, true, colour);
}

void addGrain(cairo_surface_t* surface, double strength, int streak, uint32_t seed) {
    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    double scale = 1.0, unusedY = 1.0;
    cairo_surface_get_device_scale(surface, &scale, &unusedY);
    const int run = streak > 1 ? int(std::lround(streak * scale)) : 1;
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, strength * 255.0);
    for (int y = 0; y < height; ++y) {
        double level = 0.0;
        for (int x = 0; x < width; ++x) {
            if (x % run == 0) level = noise(random);
            uint8_t* px = data + size_t(y) * stride + size_t(x) * 4;
            const double alpha = px[3] / 255.0;
            for (int c = 0; c < 3; ++c) // premultiplied: scale the change by alpha
                px[c] = uint8_t(std::clamp(px[c] + level * alpha, 0.0, double(px[3])));
        }
    }
    cairo_surface_mark_dirty(surface);
}

double pointerAngle(int frame, int frames) {
    const double degrees = -150.0 + 300.0 * frame / (frames - 1);
    return degrees * std::numbers::pi / 180.0;
}

} // namespace gravelo::images
