// Canvases on library graphics objects: smoothing, clipping, shapes and
// image copies. The library's pixel centres lie on whole coordinates (pixel
// offset mode none), so strokes go through the given coordinates and fills
// are moved back half a pixel to cover exactly x .. x + w - 1.
#include "GdiplusTypes.h"

#include <cmath>
#include <vector>

namespace VSTGUI::platform {
namespace {

constexpr REAL kHalf = 0.5f;

Canvas* adopt(GpGraphics* graphics) {
    if (graphics == nullptr) return nullptr;
    GdipSetInterpolationMode(graphics, InterpolationModeLowQuality);
    GdipSetPageUnit(graphics, UnitPixel);
    GdipSetSmoothingMode(graphics, SmoothingModeNone); // aliased until the draw mode asks otherwise
    auto* canvas = new Canvas;
    canvas->graphics = graphics;
    GdipCreatePen1(toArgb(canvas->penColour), REAL(canvas->penWidth), UnitWorld, &canvas->pen);
    GdipCreateSolidFill(toArgb(canvas->brushColour), &canvas->brush);
    return canvas;
}

GpPen* penFor(Canvas* canvas, const Paint& paint) {
    if (paint.colour.packed() != canvas->penColour.packed()) {
        canvas->penColour = paint.colour;
        GdipSetPenColor(canvas->pen, toArgb(paint.colour));
    }
    if (paint.lineWidth != canvas->penWidth) {
        canvas->penWidth = paint.lineWidth;
        GdipSetPenWidth(canvas->pen, REAL(paint.lineWidth));
    }
    if (paint.dotted != canvas->penDotted) {
        canvas->penDotted = paint.dotted;
        GdipSetPenDashStyle(canvas->pen, paint.dotted ? DashStyleDot : DashStyleSolid);
    }
    return canvas->pen;
}

GpBrush* brushFor(Canvas* canvas, Colour colour) {
    if (colour.packed() != canvas->brushColour.packed()) {
        canvas->brushColour = colour;
        GdipSetSolidFillColor(canvas->brush, toArgb(colour));
    }
    return canvas->brush;
}

} // namespace

Canvas* createCanvas(Image* image) {
    if (image == nullptr || image->bitmap == nullptr) return nullptr;
    GpGraphics* graphics = nullptr;
    if (GdipGetImageGraphicsContext(image->bitmap, &graphics) != Ok) return nullptr;
    return adopt(graphics);
}

// For this backend the native surface is a device context.
Canvas* createCanvasForNativeSurface(void* surface) {
    if (surface == nullptr || !libraryRunning()) return nullptr;
    GpGraphics* graphics = nullptr;
    if (GdipCreateFromHDC(static_cast<HDC>(surface), &graphics) != Ok) return nullptr;
    GdipSetPixelOffsetMode(graphics, PixelOffsetModeNone);
    return adopt(graphics);
}

void releaseCanvas(Canvas* canvas) {
    if (canvas == nullptr) return;
    if (libraryRunning()) {
        GdipDeleteBrush(canvas->brush);
        GdipDeletePen(canvas->pen);
        GdipDeleteGraphics(canvas->graphics);
    }
    delete canvas;
}

void setAntialias(Canvas* canvas, bool on) {
    canvas->antialias = on;
    GdipSetSmoothingMode(canvas->graphics, on ? SmoothingModeAntiAlias : SmoothingModeNone);
}

// Windows follows on its own branch: until then this backend magnifies by
// the world transform only, without checking its pixel conventions at the
// scale.
void setScale(Canvas* canvas, double scale) {
    if (scale > 0.0 && scale != 1.0)
        GdipScaleWorldTransform(canvas->graphics, REAL(scale), REAL(scale), MatrixOrderAppend);
}

void setClip(Canvas* canvas, int x, int y, int width, int height) {
    GdipSetClipRectI(canvas->graphics, x, y, width < 0 ? 0 : width, height < 0 ? 0 : height,
                     CombineModeReplace);
}

// Stops one pixel short of the end; a line one pixel long is its start pixel.
void drawLine(Canvas* canvas, const Paint& pen, Point from, Point to) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length == 0.0) return;
    const double endX = to.x - dx / length, endY = to.y - dy / length;
    if (std::hypot(endX - from.x, endY - from.y) < 1e-9) {
        const double side = pen.lineWidth;
        GdipFillRectangle(canvas->graphics, brushFor(canvas, pen.colour), REAL(from.x - side / 2),
                          REAL(from.y - side / 2), REAL(side), REAL(side));
        return;
    }
    GdipDrawLine(canvas->graphics, penFor(canvas, pen), REAL(from.x), REAL(from.y), REAL(endX),
                 REAL(endY));
}

void paintRect(Canvas* canvas, const Paint& paint, double x, double y, double width,
               double height) {
    if (paint.fill)
        GdipFillRectangle(canvas->graphics, brushFor(canvas, paint.colour), REAL(x) - kHalf,
                          REAL(y) - kHalf, REAL(width), REAL(height));
    else
        GdipDrawRectangle(canvas->graphics, penFor(canvas, paint), REAL(x), REAL(y), REAL(width),
                          REAL(height));
}

void paintEllipse(Canvas* canvas, const Paint& paint, double x, double y, double width,
                  double height) {
    if (width <= 0 || height <= 0) return;
    if (paint.fill)
        GdipFillEllipse(canvas->graphics, brushFor(canvas, paint.colour), REAL(x), REAL(y),
                        REAL(width), REAL(height));
    else
        GdipDrawEllipse(canvas->graphics, penFor(canvas, paint), REAL(x), REAL(y), REAL(width),
                        REAL(height));
}

void paintArc(Canvas* canvas, const Paint& paint, double x, double y, double width, double height,
              double startAngle, double sweepAngle) {
    if (width <= 0 || height <= 0) return;
    GpPath* path = nullptr;
    if (GdipCreatePath(FillModeAlternate, &path) != Ok) return;
    GdipAddPathArc(path, REAL(x), REAL(y), REAL(width), REAL(height), REAL(startAngle),
                   REAL(sweepAngle));
    if (paint.fill)
        GdipFillPath(canvas->graphics, brushFor(canvas, paint.colour), path);
    else
        GdipDrawPath(canvas->graphics, penFor(canvas, paint), path);
    GdipDeletePath(path);
}

void paintPolygon(Canvas* canvas, const Paint& paint, const Point* points, size_t count,
                  bool closed) {
    if (points == nullptr || count == 0) return;
    std::vector<GpPointF> device(count);
    const REAL shift = paint.fill ? kHalf : 0.0f;
    for (size_t i = 0; i < count; ++i)
        device[i] = GpPointF(REAL(points[i].x) - shift, REAL(points[i].y) - shift);
    if (paint.fill)
        GdipFillPolygon(canvas->graphics, brushFor(canvas, paint.colour), device.data(), INT(count),
                        FillModeAlternate);
    else if (closed)
        GdipDrawPolygon(canvas->graphics, penFor(canvas, paint), device.data(), INT(count));
    else
        GdipDrawLines(canvas->graphics, penFor(canvas, paint), device.data(), INT(count));
}

// Alpha other than 255 goes through a colour matrix that scales the
// image's own alpha and keeps its colours.
void drawImage(Canvas* canvas, const Image* image, int srcX, int srcY, int width, int height,
               int dstX, int dstY, uint8_t alpha, double imageScale) {
    if (image == nullptr || image->bitmap == nullptr || width <= 0 || height <= 0) return;
    GpImageAttributes* attributes = nullptr;
    if (alpha != 255 && GdipCreateImageAttributes(&attributes) == Ok) {
        ColorMatrix matrix{};
        for (int i = 0; i < 5; ++i)
            matrix.m[i][i] = 1.0f;
        matrix.m[3][3] = REAL(alpha) / 255.0f;
        GdipSetImageAttributesColorMatrix(attributes, ColorAdjustTypeDefault, TRUE, &matrix,
                                          nullptr, ColorMatrixFlagsDefault);
    }
    if (imageScale == 1.0) {
        GdipDrawImageRectRectI(canvas->graphics, image->bitmap, dstX, dstY, width, height, srcX,
                               srcY, width, height, UnitPixel, attributes, nullptr, nullptr);
    } else {
        const auto k = REAL(imageScale);
        GdipDrawImageRectRect(canvas->graphics, image->bitmap, REAL(dstX), REAL(dstY), REAL(width),
                              REAL(height), REAL(srcX) * k, REAL(srcY) * k, REAL(width) * k,
                              REAL(height) * k, UnitPixel, attributes, nullptr, nullptr);
    }
    if (attributes != nullptr) GdipDisposeImageAttributes(attributes);
}

} // namespace VSTGUI::platform
