#include "CVeSTCanvas.h"

#include "runtime/VeSTImage.h"
#include "toolkit/CBitmap.h"
#include "toolkit/CDrawContext.h"

#include <memory>
#include <string>
#include <utility>

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

void CVeSTCanvas::startRecording() {
    steps.clear();
    recording = recorded = true;
}

void CVeSTCanvas::keep(Step step) {
    if (recording) steps.push_back(std::move(step));
}

void CVeSTCanvas::replay(VSTGUI::CDrawContext* target) {
    const Lend lent(*this, target);
    const bool wasRecording = std::exchange(recording, false);
    for (const Step& step : steps)
        step(*this);
    recording = wasRecording;
}

void CVeSTCanvas::setDrawMode(int32_t mode) {
    keep([=](CVeSTCanvas& c) { c.setDrawMode(mode); });
    context->setDrawMode(mode);
}

void CVeSTCanvas::setFontColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    keep([=](CVeSTCanvas& c) { c.setFontColour(red, green, blue, alpha); });
    context->setFontColor(colourOf(red, green, blue, alpha));
}

void CVeSTCanvas::setFillColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    keep([=](CVeSTCanvas& c) { c.setFillColour(red, green, blue, alpha); });
    context->setFillColor(colourOf(red, green, blue, alpha));
}

void CVeSTCanvas::setFrameColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    keep([=](CVeSTCanvas& c) { c.setFrameColour(red, green, blue, alpha); });
    context->setFrameColor(colourOf(red, green, blue, alpha));
}

double CVeSTCanvas::stringWidth(const char* text) {
    return context->getStringWidth(text);
}

void CVeSTCanvas::moveTo(double x, double y) {
    keep([=](CVeSTCanvas& c) { c.moveTo(x, y); });
    context->moveTo(ViewPoint(x, y));
}

void CVeSTCanvas::lineTo(double x, double y) {
    keep([=](CVeSTCanvas& c) { c.lineTo(x, y); });
    context->lineTo(ViewPoint(x, y));
}

void CVeSTCanvas::drawRect(double left, double top, double right, double bottom, int32_t style) {
    keep([=](CVeSTCanvas& c) { c.drawRect(left, top, right, bottom, style); });
    context->drawRect(ViewRect(left, top, right, bottom), style);
}

void CVeSTCanvas::drawEllipse(double left, double top, double right, double bottom, int32_t style) {
    keep([=](CVeSTCanvas& c) { c.drawEllipse(left, top, right, bottom, style); });
    context->drawEllipse(ViewRect(left, top, right, bottom), style);
}

void CVeSTCanvas::drawArc(double left, double top, double right, double bottom, double startAngle,
                          double endAngle, int32_t style) {
    keep([=](CVeSTCanvas& c) { c.drawArc(left, top, right, bottom, startAngle, endAngle, style); });
    context->drawArc(ViewRect(left, top, right, bottom), startAngle, endAngle, style);
}

void CVeSTCanvas::drawStringInRect(const char* text, double left, double top, double right,
                                   double bottom, bool opaque, int32_t align) {
    keep([=, kept = std::string(text != nullptr ? text : "")](CVeSTCanvas& c) {
        c.drawStringInRect(kept.c_str(), left, top, right, bottom, opaque, align);
    });
    context->drawStringInRect(text, ViewRect(left, top, right, bottom), opaque, align);
}

void CVeSTCanvas::drawStringAligned(const char* text, double left, double top, double right,
                                    double bottom, int32_t align, bool antialias) {
    keep([=, kept = std::string(text != nullptr ? text : "")](CVeSTCanvas& c) {
        c.drawStringAligned(kept.c_str(), left, top, right, bottom, align, antialias);
    });
    context->drawStringInRect(text, ViewRect(left, top, right, bottom), align, antialias);
}

void CVeSTCanvas::drawString(const char* text, double x, double y, bool antialias) {
    keep([=, kept = std::string(text != nullptr ? text : "")](CVeSTCanvas& c) {
        c.drawString(kept.c_str(), x, y, antialias);
    });
    context->drawString(text, ViewPoint(x, y), antialias);
}

void CVeSTCanvas::drawPoint(double x, double y, int32_t red, int32_t green, int32_t blue,
                            int32_t alpha) {
    keep([=](CVeSTCanvas& c) { c.drawPoint(x, y, red, green, blue, alpha); });
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
    keep([=, kept = std::string(face != nullptr ? face : "")](CVeSTCanvas& c) {
        c.setFont(face != nullptr ? kept.c_str() : nullptr, size, style);
    });
    context->setFont(fontCache.descriptionOf(face), size, style);
}

int32_t CVeSTCanvas::fontSize() {
    return context->getFont() != nullptr ? static_cast<int32_t>(context->getFont()->getSize()) : 0;
}

void CVeSTCanvas::drawImage(const VeSTImage& image, double left, double top, double right,
                            double bottom, double sourceX, double sourceY, Blend blend,
                            uint8_t alpha) {
    // The recording holds the bitmap, which the effect may release meanwhile.
    if (recording && image.bitmap != nullptr) {
        image.bitmap->remember();
        const std::shared_ptr<VSTGUI::CBitmap> held(
            image.bitmap, [](VSTGUI::CBitmap* bitmap) { bitmap->forget(); });
        keep([=](CVeSTCanvas& c) {
            const VeSTImage kept{held.get()};
            c.drawImage(kept, left, top, right, bottom, sourceX, sourceY, blend, alpha);
        });
    }
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
