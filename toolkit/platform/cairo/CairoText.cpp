// Fonts resolved through fontconfig and text drawn and measured by Cairo.
#include "CairoTypes.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>

namespace VSTGUI::platform {
namespace {

FcPattern* requestPattern(const char* family, double pixelSize, FontStyle style) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixelSize);
    FcPatternAddInteger(pattern, FC_WEIGHT,
                        style == FontStyle::Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT,
                        style == FontStyle::Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    // The configuration's aliases turn "Arial" into a metric-compatible face.
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    return pattern;
}

std::string familyOf(FcPattern* match) {
    FcChar8* name = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &name) != FcResultMatch) return {};
    return reinterpret_cast<const char*>(name);
}

void selectFont(cairo_t* cr, const Font* font, bool antialias) {
    cairo_set_font_face(cr, font->face);
    cairo_set_font_size(cr, font->pixelSize);
    cairo_font_options_t* options = cairo_font_options_create();
    // Unhinted metrics keep widths proportional to the size, as designed.
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options,
                                     antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

} // namespace

void startup() {
    // Loading the font configuration up front keeps the first text draw
    // quick. FcFini is never called: the host process may still use it.
    FcInit();
}

void shutdown() {} // FcFini is never called: the host may still use fontconfig

Font* createFont(const char* family, double pixelSize, FontStyle style) {
    if (family == nullptr || pixelSize <= 0.0) return nullptr;
    FcPattern* pattern = requestPattern(family, pixelSize, style);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) return nullptr;
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
    std::string resolved = familyOf(match);
    FcPatternDestroy(match); // the face keeps its own copy
    if (cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(face);
        return nullptr;
    }
    return new Font{face, pixelSize, style == FontStyle::Underline, std::move(resolved)};
}

void releaseFont(Font* font) {
    if (font == nullptr) return;
    cairo_font_face_destroy(font->face);
    delete font;
}

std::string resolvedFamily(const Font* font) {
    return font != nullptr ? font->family : std::string();
}

double textWidth(Canvas* canvas, const Font* font, const char* text) {
    selectFont(canvas->cr, font, canvas->antialias);
    cairo_text_extents_t extents;
    cairo_text_extents(canvas->cr, text, &extents);
    return extents.x_advance;
}

double lineHeight(Canvas* canvas, const Font* font) {
    selectFont(canvas->cr, font, canvas->antialias);
    cairo_font_extents_t extents;
    cairo_font_extents(canvas->cr, &extents);
    return extents.height;
}

void drawText(Canvas* canvas, const Font* font, const char* text, double x, double top,
              Colour colour, bool antialias) {
    cairo_t* cr = canvas->cr;
    selectFont(cr, font, antialias);
    cairo_font_extents_t metrics;
    cairo_font_extents(cr, &metrics);
    const double baseline = top + metrics.ascent;
    setSourceColour(cr, colour);
    cairo_new_path(cr);
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, text);
    if (!font->underline) return;
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    const double thickness = std::max(1.0, font->pixelSize / 14.0);
    cairo_rectangle(cr, x, baseline + font->pixelSize / 10.0, extents.x_advance, thickness);
    cairo_fill(cr);
}

} // namespace VSTGUI::platform
