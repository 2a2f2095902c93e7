// What the drawing services draw on while a shell's editor lends it: one
// operation per service, with the service's arguments after the shell (the
// services themselves decide when there is nothing to draw on). Coordinates
// are view pixels; colour components are bytes in the low 8 bits.
// User-interface thread only.
#pragma once

#include <cstdint>

struct VeSTImage;

class VeSTDrawing {
  public:
    virtual ~VeSTDrawing() = default;

    virtual void setDrawMode(int32_t mode) = 0;
    virtual void setFontColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) = 0;
    virtual void setFillColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) = 0;
    virtual void setFrameColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) = 0;
    virtual double stringWidth(const char* text) = 0;
    virtual void moveTo(double x, double y) = 0;
    virtual void lineTo(double x, double y) = 0;
    virtual void drawRect(double left, double top, double right, double bottom, int32_t style) = 0;
    virtual void drawEllipse(double left, double top, double right, double bottom,
                             int32_t style) = 0;
    virtual void drawArc(double left, double top, double right, double bottom, double startAngle,
                         double endAngle, int32_t style) = 0;
    // The opaque flag is carried and ignored; the text is anti-aliased.
    virtual void drawStringInRect(const char* text, double left, double top, double right,
                                  double bottom, bool opaque, int32_t align) = 0;
    virtual void drawStringAligned(const char* text, double left, double top, double right,
                                   double bottom, int32_t align, bool antialias) = 0;
    virtual void drawString(const char* text, double x, double y, bool antialias) = 0;
    virtual void drawPoint(double x, double y, int32_t red, int32_t green, int32_t blue,
                           int32_t alpha) = 0;
    virtual void getPoint(double x, double y, int32_t* red, int32_t* green, int32_t* blue,
                          int32_t* alpha) = 0;
    // Selects `face` at `size` pixels in `style` (1 bold).
    virtual void setFont(const char* face, int32_t size, int32_t style) = 0;
    virtual int32_t fontSize() = 0;

    // The image's bitmap (it has one), unscaled, from the source point.
    enum class Blend { opaque, transparent, alpha };
    virtual void drawImage(const VeSTImage& image, double left, double top, double right,
                           double bottom, double sourceX, double sourceY, Blend blend,
                           uint8_t alpha) = 0;
};
