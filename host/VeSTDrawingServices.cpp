#include "VeSTDrawingServices.h"

#include "CVeST.h"
#include "editor/CVeSTEditor.h"
#include "toolkit/CDrawContext.h"

#include <strings.h>

using VSTGUI::CDrawContext;
using VSTGUI::Colour;
using VSTGUI::ViewPoint;
using VSTGUI::ViewRect;

namespace {

CDrawContext* contextOf(CVeST* shell) {
    return shell != nullptr ? shell->drawContext : nullptr;
}

Colour colourOf(VstInt32 red, VstInt32 green, VstInt32 blue, VstInt32 alpha) {
    return {static_cast<uint8_t>(red & 0xff), static_cast<uint8_t>(green & 0xff),
            static_cast<uint8_t>(blue & 0xff), static_cast<uint8_t>(alpha & 0xff)};
}

// Runs `draw` on the lent context; 1 when there was one.
template <class Draw> VstInt32 withContext(CVeST* shell, Draw&& draw) {
    CDrawContext* context = contextOf(shell);
    if (context == nullptr) return 0;
    draw(*context);
    return 1;
}

// The cached description of `face` (letter case ignored), newest first.
VSTGUI::CFontDesc* cachedFont(CVeST& shell, const char* face) {
    for (auto it = shell.fontCache.rbegin(); it != shell.fontCache.rend(); ++it)
        if (*it != nullptr && strcasecmp((*it)->getName().c_str(), face) == 0) return *it;
    shell.fontCache.push_back(new VSTGUI::CFontDesc(face, 0, 0));
    return shell.fontCache.back();
}

} // namespace

VstInt32 VeSTGetEditorSize(CVeST* shell, VstInt32* width, VstInt32* height) {
    if (shell == nullptr || shell->getEditor() == nullptr) return 0;
    const auto* editor = static_cast<const CVeSTEditor*>(shell->getEditor());
    if (width != nullptr) *width = editor->getWidth();
    if (height != nullptr) *height = editor->getHeight();
    return 1;
}

VstInt32 VeSTSetDrawMode(CVeST* shell, VstInt32 mode) {
    return withContext(shell, [&](CDrawContext& c) { c.setDrawMode(mode); });
}

VstInt32 VeSTSetFontColor(CVeST* shell, VstInt32 red, VstInt32 green, VstInt32 blue,
                          VstInt32 alpha) {
    return withContext(shell,
                       [&](CDrawContext& c) { c.setFontColor(colourOf(red, green, blue, alpha)); });
}

VstInt32 VeSTSetFillColor(CVeST* shell, VstInt32 red, VstInt32 green, VstInt32 blue,
                          VstInt32 alpha) {
    return withContext(shell,
                       [&](CDrawContext& c) { c.setFillColor(colourOf(red, green, blue, alpha)); });
}

VstInt32 VeSTSetFrameColor(CVeST* shell, VstInt32 red, VstInt32 green, VstInt32 blue,
                           VstInt32 alpha) {
    return withContext(
        shell, [&](CDrawContext& c) { c.setFrameColor(colourOf(red, green, blue, alpha)); });
}

double VeSTGetStringWidth(CVeST* shell, const char* text) {
    CDrawContext* context = contextOf(shell);
    return context != nullptr ? context->getStringWidth(text) : 0.0;
}

VstInt32 VeSTMoveTo(CVeST* shell, double x, double y) {
    return withContext(shell, [&](CDrawContext& c) { c.moveTo(ViewPoint(x, y)); });
}

VstInt32 VeSTLineTo(CVeST* shell, double x, double y) {
    return withContext(shell, [&](CDrawContext& c) { c.lineTo(ViewPoint(x, y)); });
}

VstInt32 VeSTDrawRect(CVeST* shell, double left, double top, double right, double bottom,
                      VstInt32 style) {
    return withContext(
        shell, [&](CDrawContext& c) { c.drawRect(ViewRect(left, top, right, bottom), style); });
}

VstInt32 VeSTDrawEllipse(CVeST* shell, double left, double top, double right, double bottom,
                         VstInt32 style) {
    return withContext(
        shell, [&](CDrawContext& c) { c.drawEllipse(ViewRect(left, top, right, bottom), style); });
}

VstInt32 VeSTDrawArc(CVeST* shell, double left, double top, double right, double bottom,
                     double startAngle, double endAngle, VstInt32 style) {
    return withContext(shell, [&](CDrawContext& c) {
        c.drawArc(ViewRect(left, top, right, bottom), startAngle, endAngle, style);
    });
}

VstInt32 VeSTDrawStringInRect(CVeST* shell, const char* text, double left, double top, double right,
                              double bottom, unsigned char opaque, VstInt32 align) {
    if (text == nullptr) return 0;
    return withContext(shell, [&](CDrawContext& c) {
        c.drawStringInRect(text, ViewRect(left, top, right, bottom), opaque != 0, align);
    });
}

VstInt32 VeSTDrawStringAligned(CVeST* shell, const char* text, double left, double top,
                               double right, double bottom, VstInt32 align,
                               unsigned char antialias) {
    if (text == nullptr) return 0;
    return withContext(shell, [&](CDrawContext& c) {
        c.drawStringInRect(text, ViewRect(left, top, right, bottom), align, antialias != 0);
    });
}

VstInt32 VeSTDrawString(CVeST* shell, const char* text, double x, double y,
                        unsigned char antialias) {
    if (text == nullptr) return 0;
    return withContext(
        shell, [&](CDrawContext& c) { c.drawString(text, ViewPoint(x, y), antialias != 0); });
}

VstInt32 VeSTDrawPoint(CVeST* shell, double x, double y, VstInt32 red, VstInt32 green,
                       VstInt32 blue, VstInt32 alpha) {
    return withContext(shell, [&](CDrawContext& c) {
        c.drawPoint(ViewPoint(x, y), colourOf(red, green, blue, alpha));
    });
}

VstInt32 VeSTGetPoint(CVeST* shell, double x, double y, VstInt32* red, VstInt32* green,
                      VstInt32* blue, VstInt32* alpha) {
    return withContext(shell, [&](CDrawContext& c) {
        const Colour colour = c.getPoint(ViewPoint(x, y));
        if (red != nullptr) *red = colour.red;
        if (green != nullptr) *green = colour.green;
        if (blue != nullptr) *blue = colour.blue;
        if (alpha != nullptr) *alpha = colour.alpha;
    });
}

VstInt32 VeSTSetFont(CVeST* shell, const char* face, VstInt32 size, VstInt32 style) {
    if (face == nullptr) return 0;
    return withContext(shell,
                       [&](CDrawContext& c) { c.setFont(cachedFont(*shell, face), size, style); });
}

VstInt32 VeSTGetFontSize(CVeST* shell) {
    CDrawContext* context = contextOf(shell);
    return context != nullptr && context->getFont() != nullptr
               ? static_cast<VstInt32>(context->getFont()->getSize())
               : 0;
}
