// Fonts, measuring and drawing text on the draw context.
#include "CDrawContext.h"

#include "platform/GraphicsBackend.h"

namespace VSTGUI {

void CDrawContext::setFont(CFontDesc* desc, double size, int32_t style) {
    if (desc == nullptr) return;
    const bool sameSize = size <= 0 || size == desc->getSize();
    const bool sameStyle = style == -1 || style == desc->getStyle();
    CFontDesc* next = desc;
    if (sameSize && sameStyle)
        next->remember();
    else
        next = new CFontDesc(desc, size <= 0 ? desc->getSize() : size,
                             style == -1 ? desc->getStyle() : style);
    // The new font is held before the old one is let go: they may be the
    // same description, with this context holding its last reference.
    if (font != nullptr) font->forget();
    font = next;
}

double CDrawContext::getStringWidth(const char* text) {
    if (text == nullptr || font == nullptr || canvas == nullptr) return -1;
    const platform::Font* face = font->getPlatformFont();
    if (face == nullptr) return -1;
    return platform::textWidth(canvas, face, text);
}

void CDrawContext::drawString(const char* text, const ViewPoint& p, bool antialias) {
    if (text == nullptr || font == nullptr || canvas == nullptr) return;
    const platform::Font* face = font->getPlatformFont();
    if (face == nullptr) return;
    // The text's line box ends just below p, so its baseline sits near p.
    const double height = platform::lineHeight(canvas, face);
    platform::drawText(canvas, face, text, offset.x + p.x, offset.y + p.y + 1 - height, fontColour,
                       antialias);
}

void CDrawContext::drawStringInRect(const char* text, const ViewRect& rect, int32_t align,
                                    bool antialias) {
    if (text == nullptr || font == nullptr) return;
    const double y = rect.bottom - (rect.height() / 2 - font->getSize() / 2 + 1);
    double x = rect.left;
    if (align != kLeftText) {
        const double width = getStringWidth(text);
        x = align == kRightText ? rect.right - width : rect.left + rect.width() / 2 - width / 2;
    }
    const ViewRect savedClip = clipRect;
    ViewRect textClip = rect;
    textClip.offset(offset).intersect(savedClip);
    applyDeviceClip(textClip);
    drawString(text, {x, y}, antialias);
    applyDeviceClip(savedClip);
}

void CDrawContext::drawStringInRect(const char* text, const ViewRect& rect, bool /*opaque*/,
                                    int32_t align) {
    drawStringInRect(text, rect, align, true);
}

} // namespace VSTGUI
