#include "Knob.h"

#include <cmath>
#include <numbers>

namespace gravelo::images {
namespace {

constexpr double kPi = std::numbers::pi;

struct Geometry {
    double cx, cy, body, cap;
};

// Soft shadow under the knob, offset down-right as if lit from the top left.
void paintShadow(cairo_t* cr, const Geometry& g) {
    cairo_pattern_t* shadow = cairo_pattern_create_radial(g.cx + 1.5, g.cy + 2.5, g.body * 0.8,
                                                          g.cx + 1.5, g.cy + 2.5, g.body * 1.12);
    cairo_pattern_add_color_stop_rgba(shadow, 0, 0, 0, 0, 0.7);
    cairo_pattern_add_color_stop_rgba(shadow, 1, 0, 0, 0, 0);
    cairo_set_source(cr, shadow);
    cairo_arc(cr, g.cx + 1.5, g.cy + 2.5, g.body * 1.12, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(shadow);
}

// The outer ring with grip ridges that turn with the pointer.
void paintSkirt(cairo_t* cr, const Geometry& g, const KnobLook& look, double angle) {
    cairo_pattern_t* body =
        cairo_pattern_create_linear(g.cx - g.body, g.cy - g.body, g.cx + g.body, g.cy + g.body);
    const Rgb light = mix(look.skirt, rgb(255, 255, 255), 0.25);
    const Rgb dark = mix(look.skirt, rgb(0, 0, 0), 0.55);
    cairo_pattern_add_color_stop_rgb(body, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(body, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, body);
    cairo_arc(cr, g.cx, g.cy, g.body, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(body);

    const int ridges = g.body > 30 ? 36 : 24;
    cairo_set_line_width(cr, std::max(0.8, g.body / 28));
    for (int i = 0; i < ridges; ++i) {
        const double a = angle + 2 * kPi * i / ridges;
        const double dx = std::sin(a), dy = -std::cos(a);
        // Ridges facing the light catch it; the others fall into shade.
        const double facing = 0.5 + 0.5 * (-dx - dy) / std::sqrt(2.0);
        setColour(cr, mix(rgb(0, 0, 0), rgb(255, 255, 255), facing), 0.10 + 0.22 * facing);
        cairo_move_to(cr, g.cx + dx * (g.cap + 1.5), g.cy + dy * (g.cap + 1.5));
        cairo_line_to(cr, g.cx + dx * (g.body - 0.8), g.cy + dy * (g.body - 0.8));
        cairo_stroke(cr);
    }
    setColour(cr, rgb(0, 0, 0), 0.6);
    cairo_set_line_width(cr, 1.0);
    cairo_arc(cr, g.cx, g.cy, g.body - 0.5, 0, 2 * kPi);
    cairo_stroke(cr);
}

// The cap: a spun-metal face whose rings stay still while the knob turns.
void paintCap(cairo_t* cr, const Geometry& g, const KnobLook& look) {
    cairo_pattern_t* face =
        cairo_pattern_create_linear(g.cx - g.cap, g.cy - g.cap, g.cx + g.cap, g.cy + g.cap);
    cairo_pattern_add_color_stop_rgb(face, 0, look.capLight.r, look.capLight.g, look.capLight.b);
    cairo_pattern_add_color_stop_rgb(face, 1, look.capDark.r, look.capDark.g, look.capDark.b);
    cairo_set_source(cr, face);
    cairo_arc(cr, g.cx, g.cy, g.cap, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(face);

    cairo_set_line_width(cr, 0.5);
    for (double r = 2.0; r < g.cap - 1; r += 1.3) {
        setColour(cr, rgb(255, 255, 255), std::fmod(r * 7.3, 1.0) * 0.08);
        cairo_arc(cr, g.cx, g.cy, r, 0, 2 * kPi);
        cairo_stroke(cr);
    }
    cairo_pattern_t* sheen =
        cairo_pattern_create_radial(g.cx - g.cap * 0.35, g.cy - g.cap * 0.45, 0, g.cx, g.cy, g.cap);
    cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 1, 1, 0.45);
    cairo_pattern_add_color_stop_rgba(sheen, 1, 1, 1, 1, 0);
    cairo_set_source(cr, sheen);
    cairo_arc(cr, g.cx, g.cy, g.cap, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(sheen);

    setColour(cr, rgb(0, 0, 0), 0.5);
    cairo_set_line_width(cr, 1.0);
    cairo_arc(cr, g.cx, g.cy, g.cap, 0, 2 * kPi);
    cairo_stroke(cr);
}

void paintPointer(cairo_t* cr, const Geometry& g, double angle) {
    const double dx = std::sin(angle), dy = -std::cos(angle);
    const double width = std::max(2.0, g.body / 11);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, width + 1.5);
    setColour(cr, rgb(0, 0, 0), 0.55);
    cairo_move_to(cr, g.cx + dx * g.body * 0.30, g.cy + dy * g.body * 0.30);
    cairo_line_to(cr, g.cx + dx * (g.body - 2.5), g.cy + dy * (g.body - 2.5));
    cairo_stroke(cr);
    cairo_set_line_width(cr, width);
    setColour(cr, pointerColour());
    cairo_move_to(cr, g.cx + dx * g.body * 0.30, g.cy + dy * g.body * 0.30);
    cairo_line_to(cr, g.cx + dx * (g.body - 2.5), g.cy + dy * (g.body - 2.5));
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

} // namespace

Rgb pointerColour() {
    return rgb(255, 150, 40);
}

cairo_surface_t* makeKnobStrip(int size, int frames, const KnobLook& look, int scale) {
    cairo_surface_t* strip = createSurface(CAIRO_FORMAT_ARGB32, size, size * frames, scale);
    cairo_t* cr = cairo_create(strip);
    for (int i = 0; i < frames; ++i) {
        // Leave room at the edge of the frame for the scale ticks of the
        // background and for the shadow.
        const double body = size * 0.36;
        const Geometry g{size / 2.0, size * i + size / 2.0, body, body * look.capRatio};
        const double angle = pointerAngle(i, frames);
        paintShadow(cr, g);
        paintSkirt(cr, g, look, angle);
        paintCap(cr, g, look);
        paintPointer(cr, g, angle);
    }
    cairo_destroy(cr);
    return strip;
}

} // namespace gravelo::images
