#include "Background.h"

#include "MeterWindow.h"
#include "Paint.h"
#include "effect/panel/PanelLayout.h"

#include <cmath>
#include <numbers>

namespace gravelo::images {

using namespace gravelo::panel_layout;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTrimHeight = 24;
const Rgb kCaptionColour = rgb(232, 222, 200);

void paintTolex(cairo_t* cr, cairo_surface_t* surface) {
    cairo_pattern_t* base = cairo_pattern_create_linear(0, 0, 0, kHeight);
    cairo_pattern_add_color_stop_rgb(base, 0, 0.17, 0.165, 0.16);
    cairo_pattern_add_color_stop_rgb(base, 1, 0.10, 0.097, 0.095);
    cairo_set_source(cr, base);
    cairo_paint(cr);
    cairo_pattern_destroy(base);
    addGrain(surface, 0.035, 1, 1);
}

void paintTrim(cairo_t* cr, int scale) {
    cairo_surface_t* metal = createSurface(CAIRO_FORMAT_ARGB32, kWidth, int(kTrimHeight), scale);
    cairo_t* mc = cairo_create(metal);
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 0, 0, kTrimHeight);
    cairo_pattern_add_color_stop_rgb(sheen, 0, 0.80, 0.80, 0.79);
    cairo_pattern_add_color_stop_rgb(sheen, 0.45, 0.66, 0.66, 0.65);
    cairo_pattern_add_color_stop_rgb(sheen, 1, 0.50, 0.50, 0.49);
    cairo_set_source(mc, sheen);
    cairo_paint(mc);
    cairo_pattern_destroy(sheen);
    cairo_destroy(mc);
    addGrain(metal, 0.04, 23, 2); // long horizontal streaks: brushed
    cairo_set_source_surface(cr, metal, 0, 0);
    cairo_paint(cr);
    cairo_surface_destroy(metal);
    // Lit top edge, shadowed lower edge over the tolex.
    setColour(cr, rgb(255, 255, 255), 0.5);
    cairo_rectangle(cr, 0, 0, kWidth, 1);
    cairo_fill(cr);
    setColour(cr, rgb(0, 0, 0), 0.6);
    cairo_rectangle(cr, 0, kTrimHeight, kWidth, 2);
    cairo_fill(cr);
}

void paintLogo(cairo_t* cr) {
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 19);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, "Gravelo", &extents);
    const double x = kWidth / 2.0 - extents.x_advance / 2, baseline = 19;
    setColour(cr, rgb(255, 255, 255), 0.55);
    cairo_move_to(cr, x, baseline + 1);
    cairo_show_text(cr, "Gravelo");
    setColour(cr, rgb(40, 38, 36));
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, "Gravelo");
    cairo_new_path(cr);
    centredText(cr, "BASS AMPLIFIER", kWidth / 2.0 - 115, 16, 8, true, rgb(60, 58, 55));
    centredText(cr, "MORVANE", kWidth / 2.0 + 115, 16, 8, true, rgb(60, 58, 55));
}

void paintScrew(cairo_t* cr, double cx, double cy, double slotAngle) {
    cairo_pattern_t* head = cairo_pattern_create_radial(cx - 1.5, cy - 1.5, 0.5, cx, cy, 5);
    cairo_pattern_add_color_stop_rgb(head, 0, 0.92, 0.92, 0.9);
    cairo_pattern_add_color_stop_rgb(head, 1, 0.42, 0.42, 0.41);
    setColour(cr, rgb(0, 0, 0), 0.5);
    cairo_arc(cr, cx + 0.7, cy + 0.9, 5, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_set_source(cr, head);
    cairo_arc(cr, cx, cy, 4.5, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(head);
    setColour(cr, rgb(30, 30, 30), 0.85);
    cairo_set_line_width(cr, 1.2);
    const double dx = std::cos(slotAngle) * 3.6, dy = std::sin(slotAngle) * 3.6;
    cairo_move_to(cr, cx - dx, cy - dy);
    cairo_line_to(cr, cx + dx, cy + dy);
    cairo_stroke(cr);
}

// Eleven ticks over the pointer's 300 degrees, outside the knob's body but
// inside its frame, so the knob strip never covers them.
void paintKnobScale(cairo_t* cr, const KnobLayout& knob) {
    const double cx = knob.x + knob.size / 2.0, cy = knob.y + knob.size / 2.0;
    const double inner = knob.size * 0.405, outer = knob.size * 0.475;
    for (int i = 0; i <= 10; ++i) {
        const double a = pointerAngle(i, 11);
        const double dx = std::sin(a), dy = -std::cos(a);
        const bool end = i == 0 || i == 10 || i == 5;
        setColour(cr, kCaptionColour, end ? 0.9 : 0.5);
        cairo_set_line_width(cr, end ? 1.6 : 1.0);
        cairo_move_to(cr, cx + dx * inner, cy + dy * inner);
        cairo_line_to(cr, cx + dx * outer, cy + dy * outer);
        cairo_stroke(cr);
    }
}

// Captions sit above each knob: the knob draws its value label below itself.
void paintKnobCaption(cairo_t* cr, const KnobLayout& knob) {
    const double size = knob.size >= 80 ? 11 : 10;
    engravedText(cr, knob.caption, knob.x + knob.size / 2.0, knob.y - 4, size, kCaptionColour);
}

void paintToneGroup(cairo_t* cr) {
    roundedRect(cr, 190.5, 160.5, 219, 105, 8);
    setColour(cr, rgb(0, 0, 0), 0.35);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    roundedRect(cr, 191.5, 161.5, 219, 105, 8);
    setColour(cr, rgb(255, 255, 255), 0.06);
    cairo_stroke(cr);
}

void paintLimiterCaption(cairo_t* cr) {
    const double cx = kLampX + 3, cy = kLampY + 3;
    setColour(cr, rgb(0, 0, 0), 0.8);
    cairo_arc(cr, cx, cy, 5.5, 0, 2 * kPi);
    cairo_fill(cr);
    setColour(cr, rgb(255, 255, 255), 0.18);
    cairo_set_line_width(cr, 1.0);
    cairo_arc(cr, cx, cy, 6, 0.25 * kPi, 1.0 * kPi);
    cairo_stroke(cr);
    engravedText(cr, "LIMIT", cx, kLampY - 6, 8, kCaptionColour);
}

void paintFootnote(cairo_t* cr) {
    centredText(cr, "GRAVELO I", 560, 277, 7.5, true, kCaptionColour, 0.35);
}

} // namespace

cairo_surface_t* makeBackground(int scale) {
    cairo_surface_t* drawing = createSurface(CAIRO_FORMAT_ARGB32, kWidth, kHeight, scale);
    cairo_t* cr = cairo_create(drawing);
    paintTolex(cr, drawing);
    paintTrim(cr, scale);
    paintLogo(cr);
    paintScrew(cr, 10, 12, 0.6);
    paintScrew(cr, kWidth - 10, 12, 2.1);
    paintScrew(cr, 10, kHeight - 9, 1.3);
    paintScrew(cr, kWidth - 10, kHeight - 9, 0.2);
    paintToneGroup(cr);
    paintMeterWindow(cr);
    paintLimiterCaption(cr);
    for (const KnobLayout& knob : kKnobs) {
        paintKnobScale(cr, knob);
        paintKnobCaption(cr, knob);
    }
    paintFootnote(cr);
    cairo_destroy(cr);

    // Flatten onto an opaque surface: the background carries no alpha.
    cairo_surface_t* opaque = createSurface(CAIRO_FORMAT_RGB24, kWidth, kHeight, scale);
    cairo_t* oc = cairo_create(opaque);
    cairo_set_source_surface(oc, drawing, 0, 0);
    cairo_paint(oc);
    cairo_destroy(oc);
    cairo_surface_destroy(drawing);
    return opaque;
}

} // namespace gravelo::images
