#include "CVeSTCanvas.h"

#include "runtime/VeSTImage.h"
#include "toolkit/CBitmap.h"
#include "toolkit/CDrawContext.h"

using VSTGUI::Colour;
using VSTGUI::ViewPoint;
using VSTGUI::ViewRect;

namespace {

Colour colourOf(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    return {static_cast<uint8_t>(red & 0xff), static_cast<uint8_t>(green & 0xff),
            static_cast<uint8_t>(blue & 0xff), static_cast<uint8_t>(alpha & 0xff)};
}

} // namespace

CVeSTCanvas::Lend::Lend(CVeSTCanvas& lentTo, VSTGUI::CDrawContext* lent)
    : canvas(lentTo), previous(lentTo.context) {
    canvas.context = lent;
}

CVeSTCanvas::Lend::~Lend() {
    canvas.context = previous;
}

void CVeSTCanvas::setDrawMode(int32_t mode) {
    context->setDrawMode(mode);
}

void CVeSTCanvas::setFontColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    context->setFontColor(colourOf(red, green, blue, alpha));
}

void CVeSTCanvas::setFillColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    context->setFillColor(colourOf(red, green, blue, alpha));
}

void CVeSTCanvas::setFrameColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    context->setFrameColor(colourOf(red, green, blue, alpha));
}

double CVeSTCanvas::stringWidth(const char* text) {
    return context->getStringWidth(text);
}

void CVeSTCanvas::moveTo(double x, double y) {
    context->moveTo(ViewPoint(x, y));
}

void CVeSTCanvas::lineTo(double x, double y) {
    context->lineTo(ViewPoint(x, y));
}

void CVeSTCanvas::drawRect(double left, double top, double right, double bottom, int32_t style) {
    context->drawRect(ViewRect(left, top, right, bottom), style);
}

void CVeSTCanvas::drawEllipse(double left, double top, double right, double bottom, int32_t style) {
    context->drawEllipse(ViewRect(left, top, right, bottom), style);
}

void CVeSTCanvas::drawArc(double left, double top, double right, double bottom, double startAngle,
                          double endAngle, int32_t style) {
    context->drawArc(ViewRect(left, top, right, bottom), startAngle, endAngle, style);
}

void CVeSTCanvas::drawStringInRect(const char* text, double left, double top, double right,
                                   double bottom, bool opaque, int32_t align) {
    context->drawStringInRect(text, ViewRect(left, top, right, bottom), opaque, align);
}

void CVeSTCanvas::drawStringAligned(const char* text, double left, double top, double right,
                                    double bottom, int32_t align, bool antialias) {
    context->drawStringInRect(text, ViewRect(left, top, right, bottom), align, antialias);
}

void CVeSTCanvas::drawString(const char* text, double x, double y, bool antialias) {
    context->drawString(text, ViewPoint(x, y), antialias);
}

void CVeSTCanvas::drawPoint(double x, double y, int32_t red, int32_t green, int32_t blue,
                            int32_t alpha) {
    context->drawPoint(ViewPoint(x, y), colourOf(red, green, blue, alpha));
}

void CVeSTCanvas::getPoint(double x, double y, int32_t* red, int32_t* green, int32_t* blue,
                           int32_t* alpha) {
    const Colour colour = context->getPoint(ViewPoint(x, y));
    if (red != nullptr) *red = colour.red;
    if (green != nullptr) *green = colour.green;
    if (blue != nullptr) *blue = colour.blue;
    if (alpha != nullptr) *alpha = colour.alpha;
}

void CVeSTCanvas::setFont(const char* face, int32_t size, int32_t style) {
    context->setFont(fontCache.descriptionOf(face), size, style);
}

int32_t CVeSTCanvas::fontSize() {
    return context->getFont() != nullptr ? static_cast<int32_t>(context->getFont()->getSize()) : 0;
}

void CVeSTCanvas::drawImage(const VeSTImage& image, double left, double top, double right,
                            double bottom, double sourceX, double sourceY, Blend blend,
                            uint8_t alpha) {
    const ViewRect rect(left, top, right, bottom);
    const ViewPoint source(sourceX, sourceY);
    switch (blend) {
    case Blend::opaque:
        image.bitmap->draw(context, rect, source);
        break;
    case Blend::transparent:
        image.bitmap->drawTransparent(context, rect, source);
        break;
    case Blend::alpha:
        image.bitmap->drawAlphaBlend(context, rect, source, alpha);
        break;
    }
}
