#include "MeterWindow.h"

#include "Paint.h"
#include "effect/panel/PanelLayout.h"

#include <cmath>
#include <cstdio>

namespace gravelo::images {

using namespace gravelo::panel_layout;

namespace {

constexpr double kLeft = 180, kTop = 30, kRight = 420, kBottom = 140;

void paintGlass(cairo_t* cr) {
    // A bright lower lip and dark upper edge make the window look sunk in.
    roundedRect(cr, kLeft - 1, kTop - 1, kRight - kLeft + 2, kBottom - kTop + 2, 7);
    setColour(cr, rgb(255, 255, 255), 0.10);
    cairo_fill(cr);
    roundedRect(cr, kLeft, kTop, kRight - kLeft, kBottom - kTop, 6);
    cairo_pattern_t* glass = cairo_pattern_create_linear(0, kTop, 0, kBottom);
    cairo_pattern_add_color_stop_rgb(glass, 0, 0.035, 0.04, 0.045);
    cairo_pattern_add_color_stop_rgb(glass, 1, 0.075, 0.08, 0.085);
    cairo_set_source(cr, glass);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glass);
    setColour(cr, rgb(0, 0, 0), 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void paintTracks(cairo_t* cr) {
    for (size_t band = 0; band < kMeters.size(); ++band) {
        const auto [x, y] = kMeters[band];
        cairo_rectangle(cr, x, y + 1, kMeterWidth + 1, kMeterHeight - 2);
        setColour(cr, rgb(24, 26, 28));
        cairo_fill(cr);
        char number[2] = {char('1' + band), 0};
        centredText(cr, number, x - 8, y + 8, 8, true, rgb(150, 140, 120));
    }
}

void paintScale(cairo_t* cr) {
    const int marks[] = {-20, -12, -6, 0, 6, 12, 20};
    const double tickTop = kMeters.back().y + kMeterHeight + 3;
    for (int db : marks) {
        const double x = std::floor(meterScaleX(db)) + 0.5;
        setColour(cr, rgb(200, 190, 170), db == 0 ? 0.95 : 0.7);
        cairo_set_line_width(cr, 1.0);
        cairo_move_to(cr, x, tickTop);
        cairo_line_to(cr, x, tickTop + (db == 0 ? 6 : 4));
        cairo_stroke(cr);
        char label[8];
        std::snprintf(label, sizeof label, db > 0 ? "+%d" : "%d", db);
        centredText(cr, label, x, tickTop + 15, 8.5, false, rgb(200, 190, 170));
    }
}

} // namespace

double meterScaleX(double decibels) {
    return kMeters[0].x + std::ceil(100 + 43.3 * std::log(std::pow(10.0, decibels / 20.0)));
}

void paintMeterWindow(cairo_t* cr) {
    paintGlass(cr);
    centredText(cr, "FOUR-BAND LEVELER", (kLeft + kRight) / 2, kTop + 17, 10, true,
                rgb(235, 165, 60));
    setColour(cr, rgb(235, 165, 60), 0.35);
    cairo_rectangle(cr, kLeft + 20, kTop + 23, kRight - kLeft - 40, 1);
    cairo_fill(cr);
    centredText(cr, "gain per band, dB", (kLeft + kRight) / 2, kTop + 35, 7.5, false,
                rgb(150, 140, 120));
    paintTracks(cr);
    paintScale(cr);
}

} // namespace gravelo::images
