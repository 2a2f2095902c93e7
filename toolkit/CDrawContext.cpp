// Construction, state, clipping, lines and shapes of the draw context.
#include "CDrawContext.h"

#include "platform/GraphicsBackend.h"

#include <cmath>
#include <vector>

namespace VSTGUI {
namespace {

bool fills(int32_t style) {
    return style == kDrawFilled || style == kDrawFilledAndStroked;
}
bool strokes(int32_t style) {
    return style == kDrawStroked || style == kDrawFilledAndStroked;
}

platform::Paint fillPaint(Colour colour) {
    return {colour, true, 1.0, false};
}

platform::Paint penOf(const CDrawContext& context) {
    return {context.getFrameColor(), false, context.getLineWidth(),
            context.getLineStyle() == kLineOnOffDash};
}

// Polygons up to this size need no heap buffer.
constexpr int32_t kStackPolygonPoints = 30;

} // namespace

CDrawContext::CDrawContext(CFrame* owner, const DrawTarget& target)
    : windowOrigin(target.windowOrigin), window(target.window), pointerQuery(target.pointerQuery),
      frame(owner), clipRect(target.bounds), defaultClip(target.bounds),
      canvas(platform::createCanvasForNativeSurface(target.surface)), scale(target.scale) {
    applyDefaults();
}

CDrawContext::CDrawContext(CFrame* owner, platform::Canvas* target, const ViewRect& bounds,
                           double pixelsPerUnit)
    : frame(owner), clipRect(bounds), defaultClip(bounds), canvas(target), scale(pixelsPerUnit) {
    applyDefaults();
}

CDrawContext::~CDrawContext() {
    if (font != nullptr) font->forget();
    platform::releaseCanvas(canvas);
}

// The fields start out different from the defaults (line style dotted, draw
// mode anti-aliased) so that applying the defaults really reaches the
// graphics library.
void CDrawContext::applyDefaults() {
    if (canvas != nullptr && scale != 1.0) platform::setScale(canvas, scale);
    if (canvas != nullptr) applyDeviceClip(clipRect);
    setFrameColor(kWhiteColour);
    setLineStyle(kLineSolid);
    setLineWidth(1.0);
    setFillColor(kBlackColour);
    setFontColor(kWhiteColour);
    setFont(kSystemFont, 0, -1);
    setDrawMode(kCopyMode);
}

void CDrawContext::setDrawMode(int32_t mode) {
    if (mode == drawMode) return;
    drawMode = mode;
    if (canvas != nullptr) platform::setAntialias(canvas, mode == kAntialias);
}

// ---- clip ------------------------------------------------------------------

void CDrawContext::applyDeviceClip(const ViewRect& deviceRect) {
    clipRect = deviceRect;
    if (canvas == nullptr) return;
    const int x = int(deviceRect.left);
    const int y = int(deviceRect.top);
    platform::setClip(canvas, x, y, int(deviceRect.right) - x, int(deviceRect.bottom) - y);
}

void CDrawContext::setClipRect(const ViewRect& rect) {
    ViewRect device = rect;
    device.offset(offset);
    if (device == clipRect) return;
    applyDeviceClip(device);
}

ViewRect& CDrawContext::getClipRect(ViewRect& rect) const {
    rect = clipRect;
    rect.offset(-offset.x, -offset.y);
    return rect;
}

void CDrawContext::resetClipRect() {
    applyDeviceClip(defaultClip);
}

void CDrawContext::getMouseLocation(ViewPoint& point) const {
    ViewPoint screen;
    if (pointerQuery == nullptr || !pointerQuery(window, screen)) return;
    point = {(screen.x - windowOrigin.x) / scale, (screen.y - windowOrigin.y) / scale};
}

// ---- lines and points -------------------------------------------------------

void CDrawContext::moveTo(const ViewPoint& p) {
    penPosition = {p.x + offset.x, p.y + offset.y};
}

void CDrawContext::lineTo(const ViewPoint& p) {
    const ViewPoint to{p.x + offset.x, p.y + offset.y};
    if (canvas != nullptr) {
        platform::drawLine(canvas, penOf(*this),
                           {std::trunc(penPosition.x), std::trunc(penPosition.y)},
                           {std::trunc(to.x), std::trunc(to.y)});
    }
    penPosition = to;
}

void CDrawContext::drawPoint(const ViewPoint& p, Colour colour) {
    const double savedWidth = lineWidth;
    const Colour savedColour = frameColour;
    setLineWidth(1.0);
    setFrameColor(colour);
    moveTo(p);
    lineTo({p.x + 1, p.y});
    setFrameColor(savedColour);
    setLineWidth(savedWidth);
}

Colour CDrawContext::getPoint(const ViewPoint&) const {
    return kBlackColour;
}

// ---- shapes -----------------------------------------------------------------

ViewRect CDrawContext::toDevice(const ViewRect& rect) const {
    ViewRect device = rect;
    device.normalise();
    device.offset(offset);
    return device;
}

// The outline runs one pixel inside the filled area's right and bottom
// edges, so both cover the same pixels and style 2 gives a bordered fill.
void CDrawContext::drawRect(const ViewRect& rect, int32_t style) {
    if (canvas == nullptr) return;
    const ViewRect r = toDevice(rect);
    if (fills(style))
        platform::paintRect(canvas, fillPaint(fillColour), r.left, r.top, r.width(), r.height());
    if (strokes(style))
        platform::paintRect(canvas, penOf(*this), r.left, r.top, r.width() - 1, r.height() - 1);
}

void CDrawContext::drawEllipse(const ViewRect& rect, int32_t style) {
    if (canvas == nullptr) return;
    const ViewRect r = toDevice(rect);
    const double x = std::trunc(r.left), y = std::trunc(r.top);
    const double w = std::trunc(r.width()) - 1, h = std::trunc(r.height()) - 1;
    if (fills(style)) platform::paintEllipse(canvas, fillPaint(fillColour), x, y, w, h);
    if (strokes(style)) platform::paintEllipse(canvas, penOf(*this), x, y, w, h);
}

void CDrawContext::drawArc(const ViewRect& rect, double startAngle, double endAngle,
                           int32_t style) {
    if (canvas == nullptr) return;
    const ViewRect r = toDevice(rect);
    const double sweep =
        std::fabs((startAngle > endAngle ? endAngle + 360.0 : endAngle) - startAngle);
    if (fills(style))
        platform::paintArc(canvas, fillPaint(fillColour), r.left, r.top, r.width(), r.height(),
                           startAngle, sweep);
    if (strokes(style))
        platform::paintArc(canvas, penOf(*this), r.left, r.top, r.width(), r.height(), startAngle,
                           sweep);
}

void CDrawContext::drawPolygon(const ViewPoint* points, int32_t count, int32_t style, bool closed) {
    if (canvas == nullptr || points == nullptr || count <= 0) return;
    platform::Point onStack[kStackPolygonPoints];
    std::vector<platform::Point> onHeap;
    platform::Point* device = onStack;
    if (count > kStackPolygonPoints) {
        onHeap.resize(size_t(count));
        device = onHeap.data();
    }
    for (int32_t i = 0; i < count; ++i)
        device[i] = {float(points[i].x + offset.x), float(points[i].y + offset.y)};
    if (fills(style))
        platform::paintPolygon(canvas, fillPaint(fillColour), device, size_t(count), true);
    if (strokes(style)) platform::paintPolygon(canvas, penOf(*this), device, size_t(count), closed);
}

} // namespace VSTGUI
