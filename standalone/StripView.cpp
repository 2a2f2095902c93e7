#include "standalone/StripView.h"

#include "standalone/StripLayout.h"
#include "toolkit/CDrawContext.h"
#include "toolkit/CFontDesc.h"

#include <algorithm>

namespace gravelo::standalone {

namespace {

using VSTGUI::Colour;
using VSTGUI::ViewRect;
namespace layout = strip_layout;

// The panel's dark metal and cream lettering, with its amber lamp.
constexpr Colour kBackground{34, 33, 31, 255};
constexpr Colour kButton{58, 56, 52, 255};
constexpr Colour kEdge{120, 114, 102, 255};
constexpr Colour kText{232, 222, 196, 255};
constexpr Colour kMeterOff{20, 20, 19, 255};
constexpr Colour kMeterOn{120, 190, 90, 255};
constexpr Colour kMeterHot{230, 170, 40, 255};
constexpr Colour kLampOff{70, 30, 24, 255};
constexpr Colour kLampOn{240, 60, 40, 255};
constexpr double kHotFraction = 0.9; // the last 6 dB of the meter

bool inside(const ViewRect& box, const VSTGUI::ViewPoint& p) {
    return p.x >= box.left && p.x < box.right && p.y >= box.top && p.y < box.bottom;
}

ViewRect offsetBy(const ViewRect& box, const ViewRect& origin) {
    return {box.left + origin.left, box.top + origin.top, box.right + origin.left,
            box.bottom + origin.top};
}

} // namespace

StripView::StripView(const ViewRect& area, StripListener& owner)
    : CView(area), listener(owner), font(new VSTGUI::CFontDesc("Arial", 12, VSTGUI::kBoldFace)) {}

StripView::~StripView() {
    font->forget();
}

void StripView::show(const StripStatus& status) {
    if (status == shown) return;
    shown = status;
    invalid();
}

void StripView::drawButton(VSTGUI::CDrawContext* context, const ViewRect& box, const char* text) {
    const ViewRect at = offsetBy(box, getViewSize());
    context->setFillColor(kButton);
    context->setFrameColor(kEdge);
    context->drawRect(at, VSTGUI::kDrawFilledAndStroked);
    context->drawStringInRect(text, at, VSTGUI::kCenterText, true);
}

void StripView::drawMeter(VSTGUI::CDrawContext* context) {
    const ViewRect meter = offsetBy(layout::kMeter, getViewSize());
    context->setFillColor(kMeterOff);
    context->setFrameColor(kEdge);
    context->drawRect(meter, VSTGUI::kDrawFilledAndStroked);
    const double fraction = std::clamp(shown.meterFraction, 0.0, 1.0);
    const double width = meter.right - meter.left - 2;
    const double greenEnd = meter.left + 1 + width * std::min(fraction, kHotFraction);
    context->setFillColor(kMeterOn);
    if (fraction > 0)
        context->drawRect({meter.left + 1, meter.top + 1, greenEnd, meter.bottom - 1},
                          VSTGUI::kDrawFilled);
    if (fraction > kHotFraction) {
        context->setFillColor(kMeterHot);
        context->drawRect(
            {greenEnd, meter.top + 1, meter.left + 1 + width * fraction, meter.bottom - 1},
            VSTGUI::kDrawFilled);
    }
    context->setFillColor(shown.clipLit ? kLampOn : kLampOff);
    context->drawEllipse(offsetBy(layout::kClipLamp, getViewSize()), VSTGUI::kDrawFilledAndStroked);
}

void StripView::draw(VSTGUI::CDrawContext* context) {
    context->setFillColor(kBackground);
    context->drawRect(getViewSize(), VSTGUI::kDrawFilled);
    context->setFont(font);
    context->setFontColor(kText);
    context->setLineWidth(1);
    drawButton(context, layout::kPrevious, "<");
    drawButton(context, layout::kNext, ">");
    drawButton(context, layout::kSave, "Save");
    context->setFillColor(kMeterOff);
    context->drawRect(offsetBy(layout::kName, getViewSize()), VSTGUI::kDrawFilledAndStroked);
    context->drawStringInRect(shown.presetName.c_str(), offsetBy(layout::kName, getViewSize()),
                              VSTGUI::kCenterText, true);
    drawMeter(context);
    const std::string load = "DSP " + std::to_string(shown.dspLoadPercent) + " %";
    const std::string xruns = "xruns " + std::to_string(shown.xruns);
    context->drawStringInRect(load.c_str(), offsetBy(layout::kLoad, getViewSize()),
                              VSTGUI::kLeftText, true);
    context->drawStringInRect(xruns.c_str(), offsetBy(layout::kXruns, getViewSize()),
                              VSTGUI::kLeftText, true);
    setDirty(false);
}

VSTGUI::CMouseEventResult StripView::onMouseDown(VSTGUI::ViewPoint& where,
                                                 const VSTGUI::CButtonState& buttons) {
    if ((buttons & VSTGUI::kLButton) == 0) return VSTGUI::kMouseEventNotHandled;
    const VSTGUI::ViewPoint local(where.x - getViewSize().left, where.y - getViewSize().top);
    if (inside(layout::kPrevious, local))
        listener.stripPrevious();
    else if (inside(layout::kNext, local))
        listener.stripNext();
    else if (inside(layout::kSave, local))
        listener.stripSave();
    else
        return VSTGUI::kMouseEventNotHandled;
    return VSTGUI::kMouseEventHandled;
}

} // namespace gravelo::standalone
