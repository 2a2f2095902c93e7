// Fonts by family name, measuring and drawing text.
#include "GdiplusTypes.h"

namespace VSTGUI::platform {
namespace {

INT libraryStyle(FontStyle style) {
    switch (style) {
    case FontStyle::Bold:
        return FontStyleBold;
    case FontStyle::Italic:
        return FontStyleItalic;
    case FontStyle::Underline:
        return FontStyleUnderline;
    default:
        return FontStyleRegular;
    }
}

// A name the system does not know falls back to its sans-serif family, so
// text still shows in a face of similar metrics.
GpFontFamily* findFamily(const char* name) {
    std::wstring wide = widen(name);
    if (wide.size() > 200) wide.resize(200);
    GpFontFamily* family = nullptr;
    if (GdipCreateFontFamilyFromName(wide.c_str(), nullptr, &family) == Ok && family != nullptr)
        return family;
    GpFontFamily* generic = nullptr;
    if (GdipGetGenericFontFamilySansSerif(&generic) != Ok || generic == nullptr) return nullptr;
    GdipCloneFontFamily(generic, &family);
    return family;
}

std::string narrow(const WCHAR* text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::string out(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), length, nullptr, nullptr);
    out.resize(size_t(length - 1));
    return out;
}

} // namespace

Font* createFont(const char* family, double pixelSize, FontStyle style) {
    if (family == nullptr || pixelSize <= 0.0 || !libraryRunning()) return nullptr;
    GpFontFamily* found = findFamily(family);
    if (found == nullptr) return nullptr;
    GpFont* font = nullptr;
    if (GdipCreateFont(found, REAL(pixelSize), libraryStyle(style), UnitPixel, &font) != Ok) {
        GdipDeleteFontFamily(found);
        return nullptr;
    }
    WCHAR name[LF_FACESIZE] = {};
    GdipGetFamilyName(found, name, LANG_NEUTRAL);
    return new Font{found, font, narrow(name)};
}

void releaseFont(Font* font) {
    if (font == nullptr) return;
    if (libraryRunning()) {
        GdipDeleteFont(font->font);
        GdipDeleteFontFamily(font->family);
    }
    delete font;
}

std::string resolvedFamily(const Font* font) {
    return font != nullptr ? font->familyName : std::string();
}

double textWidth(Canvas* canvas, const Font* font, const char* text) {
    const std::wstring wide = widen(text);
    if (wide.empty()) return 0.0;
    const GpRectF layout(0, 0, 0, 0);
    GpRectF box(0, 0, 0, 0);
    if (GdipMeasureString(canvas->graphics, wide.c_str(), INT(wide.size()), font->font, &layout,
                          nullptr, &box, nullptr, nullptr) != Ok)
        return 0.0;
    return box.Width;
}

double lineHeight(Canvas* canvas, const Font* font) {
    REAL height = 0;
    GdipGetFontHeight(font->font, canvas->graphics, &height);
    return height;
}

void drawText(Canvas* canvas, const Font* font, const char* text, double x, double top,
              Colour colour, bool antialias) {
    const std::wstring wide = widen(text);
    if (wide.empty()) return;
    GdipSetTextRenderingHint(canvas->graphics, antialias ? TextRenderingHintClearTypeGridFit
                                                         : TextRenderingHintSystemDefault);
    GpSolidFill* brush = nullptr;
    if (GdipCreateSolidFill(toArgb(colour), &brush) != Ok) return;
    const GpRectF layout(REAL(x), REAL(top), 0, 0);
    GdipDrawString(canvas->graphics, wide.c_str(), INT(wide.size()), font->font, &layout, nullptr,
                   brush);
    GdipDeleteBrush(brush);
}

} // namespace VSTGUI::platform
