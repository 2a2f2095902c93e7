// Canvases on library graphics objects: smoothing, clipping, shapes and
// image copies. The library's pixel centres lie on whole coordinates (pixel
// offset mode none), so strokes go through the given coordinates and fills
// are moved back half a pixel to cover exactly x .. x + w - 1.
//
// At a content scale s the world transform maps a unit's pixel centre onto
// the centre of the s x s physical pixels that unit covers (scale by s, then
// move by (s - 1) / 2), so the same rules cover exactly those pixels; lines
// are lengthened to their end units' outer edges. Images whose pixels land
// one on one are copied in physical pixels, untransformed.
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

void setScale(Canvas* canvas, double scale) {
    if (!(scale > 0.0) || scale == canvas->scale) return;
    canvas->scale = scale;
    const auto centre = REAL((scale - 1.0) / 2.0);
    GdipResetWorldTransform(canvas->graphics);
    GdipScaleWorldTransform(canvas->graphics, REAL(scale), REAL(scale), MatrixOrderAppend);
    GdipTranslateWorldTransform(canvas->graphics, centre, centre, MatrixOrderAppend);
}

// At a scale the clip's edges go between physical pixels, half a unit
// before the pixel centres, as the fills' do.
void setClip(Canvas* canvas, int x, int y, int width, int height) {
    width = width < 0 ? 0 : width;
    height = height < 0 ? 0 : height;
    if (canvas->scale == 1.0)
        GdipSetClipRectI(canvas->graphics, x, y, width, height, CombineModeReplace);
    else
        GdipSetClipRect(canvas->graphics, REAL(x) - kHalf, REAL(y) - kHalf, REAL(width),
                        REAL(height), CombineModeReplace);
}

// Stops one pixel short of the end; a line one pixel long is its start pixel.
void drawLine(Canvas* canvas, const Paint& pen, Point from, Point to) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length == 0.0) return;
    const double endX = to.x - dx / length, endY = to.y - dy / length;
    // At a scale the stroke between unit pixel centres would leave part of
    // the first and last unit uncovered: it reaches to their outer edges,
    // which lie between physical pixels.
    const double reach = canvas->scale == 1.0 ? 0.0 : 0.5 / length;
    if (std::hypot(endX - from.x, endY - from.y) < 1e-9) {
        const double side = pen.lineWidth;
        GdipFillRectangle(canvas->graphics, brushFor(canvas, pen.colour), REAL(from.x - side / 2),
                          REAL(from.y - side / 2), REAL(side), REAL(side));
        return;
    }
    GdipDrawLine(canvas->graphics, penFor(canvas, pen), REAL(from.x - dx * reach),
                 REAL(from.y - dy * reach), REAL(endX + dx * reach), REAL(endY + dy * reach));
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

namespace {

// Alpha other than 255 goes through a colour matrix that scales the
// image's own alpha and keeps its colours; a resampled image's edge pixels
// are mirrored outward so that its border does not fade to transparent.
GpImageAttributes* imageAttributes(uint8_t alpha, bool resampled) {
    GpImageAttributes* attributes = nullptr;
    if ((alpha == 255 && !resampled) || GdipCreateImageAttributes(&attributes) != Ok)
        return nullptr;
    if (alpha != 255) {
        ColorMatrix matrix{};
        for (int i = 0; i < 5; ++i)
            matrix.m[i][i] = 1.0f;
        matrix.m[3][3] = REAL(alpha) / 255.0f;
        GdipSetImageAttributesColorMatrix(attributes, ColorAdjustTypeDefault, TRUE, &matrix,
                                          nullptr, ColorMatrixFlagsDefault);
    }
    if (resampled) GdipSetImageAttributesWrapMode(attributes, WrapModeTileFlipXY, 0, FALSE);
    return attributes;
}

// Draws in physical pixels, whatever the world transform: the clip, kept
// by the library in physical pixels, still applies.
class PhysicalPixels {
  public:
    explicit PhysicalPixels(GpGraphics* g) : graphics(g) {
        GdipCreateMatrix(&saved);
        GdipGetWorldTransform(graphics, saved);
        GdipResetWorldTransform(graphics);
    }
    ~PhysicalPixels() {
        GdipSetWorldTransform(graphics, saved);
        GdipDeleteMatrix(saved);
    }
    PhysicalPixels(const PhysicalPixels&) = delete;
    PhysicalPixels& operator=(const PhysicalPixels&) = delete;

  private:
    GpGraphics* graphics;
    GpMatrix* saved = nullptr;
};

// The source area, imageScale pixels per unit, filtered onto the physical
// pixels its units cover; pixel i then spans i .. i + 1 (offset mode half).
void drawResampled(Canvas* canvas, const Image* image, int srcX, int srcY, int width, int height,
                   int dstX, int dstY, GpImageAttributes* attributes, double imageScale) {
    const PhysicalPixels physical(canvas->graphics);
    const auto s = REAL(canvas->scale), k = REAL(imageScale);
    PixelOffsetMode offsetMode = PixelOffsetModeNone;
    InterpolationMode interpolation = InterpolationModeLowQuality;
    GdipGetPixelOffsetMode(canvas->graphics, &offsetMode);
    GdipGetInterpolationMode(canvas->graphics, &interpolation);
    GdipSetPixelOffsetMode(canvas->graphics, PixelOffsetModeHalf);
    GdipSetInterpolationMode(canvas->graphics, InterpolationModeHighQualityBilinear);
    GdipDrawImageRectRect(canvas->graphics, image->bitmap, REAL(dstX) * s, REAL(dstY) * s,
                          REAL(width) * s, REAL(height) * s, REAL(srcX) * k, REAL(srcY) * k,
                          REAL(width) * k, REAL(height) * k, UnitPixel, attributes, nullptr,
                          nullptr);
    GdipSetPixelOffsetMode(canvas->graphics, offsetMode);
    GdipSetInterpolationMode(canvas->graphics, interpolation);
}

} // namespace

void drawImage(Canvas* canvas, const Image* image, int srcX, int srcY, int width, int height,
               int dstX, int dstY, uint8_t alpha, double imageScale) {
    if (image == nullptr || image->bitmap == nullptr || width <= 0 || height <= 0 ||
        !(imageScale > 0.0))
        return;
    const bool oneOnOne = imageScale == canvas->scale && imageScale == std::floor(imageScale);
    GpImageAttributes* attributes = imageAttributes(alpha, !oneOnOne);
    if (canvas->scale == 1.0 && oneOnOne) {
        GdipDrawImageRectRectI(canvas->graphics, image->bitmap, dstX, dstY, width, height, srcX,
                               srcY, width, height, UnitPixel, attributes, nullptr, nullptr);
    } else if (oneOnOne) {
        const PhysicalPixels physical(canvas->graphics);
        const int k = int(imageScale);
        GdipDrawImageRectRectI(canvas->graphics, image->bitmap, dstX * k, dstY * k, width * k,
                               height * k, srcX * k, srcY * k, width * k, height * k, UnitPixel,
                               attributes, nullptr, nullptr);
    } else {
        drawResampled(canvas, image, srcX, srcY, width, height, dstX, dstY, attributes, imageScale);
    }
    if (attributes != nullptr) GdipDisposeImageAttributes(attributes);
}

} // namespace VSTGUI::platform
