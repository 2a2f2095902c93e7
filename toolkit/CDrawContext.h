// A draw context: the pen, colours, font, clip and offset through which
// views draw lines, shapes, text and bitmaps onto a window or an offscreen
// bitmap. Coordinates are view coordinates; the offset is added to each.
#pragma once

#include "CBaseObject.h"
#include "CFontDesc.h"
#include "Colour.h"
#include "ViewTypes.h"

namespace VSTGUI {

class CFrame;

namespace platform {
struct Canvas;
}

enum CDrawStyle : int32_t { kDrawStroked = 0, kDrawFilled = 1, kDrawFilledAndStroked = 2 };
enum CLineStyle : int32_t { kLineSolid = 0, kLineOnOffDash = 1 };
// Only kAntialias smooths shapes; every other mode draws aliased.
enum CDrawMode : int32_t { kCopyMode = 0, kOrMode = 1, kXorMode = 2, kAntialias = 3 };
enum CHoriTxtAlign : int32_t { kLeftText = 0, kCenterText = 1, kRightText = 2 };

// Answers the pointer's position on the screen for a native window.
using PointerQuery = bool (*)(void* window, ViewPoint& screenPosition);

// What a window backend hands over to draw into its window.
struct DrawTarget {
    // The window's surface of the graphics library; for the Cairo backend a
    // cairo_surface_t* (for example from cairo_xlib_surface_create). The
    // context takes its own reference, so the caller may release its one at
    // any time, and flushes the surface when it is destroyed. Null: a
    // context that draws nothing.
    void* surface = nullptr;
    // The native window (passed back to pointerQuery) and its top-left
    // corner on the screen, for getMouseLocation.
    void* window = nullptr;
    ViewPoint windowOrigin;
    PointerQuery pointerQuery = nullptr;
    // The frame's bounds: the clip at construction and after resetClipRect.
    ViewRect bounds{0, 0, 1000, 1000};
    // Physical pixels per unit (see ContentScale.h); bounds are in units.
    double scale = 1.0;
};

class CDrawContext : public CBaseObject {
  public:
    // A context on a window (or any surface of the graphics library).
    // UI thread only, like every operation here.
    CDrawContext(CFrame* frame, const DrawTarget& target);
    ~CDrawContext() override;

    // ---- pen and lines
    void moveTo(const ViewPoint& p);
    void lineTo(const ViewPoint& p);
    // Device coordinates: the offset is included.
    const ViewPoint& getPenPosition() const { return penPosition; }

    // ---- shapes: style 0 outline, 1 filled, 2 filled and outlined
    void drawRect(const ViewRect& rect, int32_t style = kDrawStroked);
    void drawEllipse(const ViewRect& rect, int32_t style = kDrawStroked);
    // Angles in degrees; an end below the start wraps through 360.
    void drawArc(const ViewRect& rect, double startAngle, double endAngle,
                 int32_t style = kDrawStroked);
    // closed false with style 0 draws an open polyline.
    void drawPolygon(const ViewPoint* points, int32_t count, int32_t style = kDrawStroked,
                     bool closed = true);
    void drawPoint(const ViewPoint& p, Colour colour);
    // There is no pixel read-back: always opaque black.
    Colour getPoint(const ViewPoint& p) const;

    // ---- text (UTF-8)
    void setFont(CFontDesc* desc, double size = 0, int32_t style = -1);
    CFontDesc* getFont() const { return font; }
    // Advance width in the current font; -1 without text, font or target.
    double getStringWidth(const char* text);
    // The baseline lies near p.
    void drawString(const char* text, const ViewPoint& p, bool antialias = true);
    // Vertically centred in rect; align 0 left, 1 centre, 2 right; clipped
    // to rect.
    void drawStringInRect(const char* text, const ViewRect& rect, int32_t align, bool antialias);
    // The form above with smoothing on; opaque is accepted and ignored.
    void drawStringInRect(const char* text, const ViewRect& rect, bool opaque, int32_t align);

    // ---- state
    void setDrawMode(int32_t mode);
    int32_t getDrawMode() const { return drawMode; }
    void setFrameColor(Colour c) { frameColour = c; }
    Colour getFrameColor() const { return frameColour; }
    void setFillColor(Colour c) { fillColour = c; }
    Colour getFillColor() const { return fillColour; }
    void setFontColor(Colour c) { fontColour = c; }
    Colour getFontColor() const { return fontColour; }
    void setLineWidth(double width) { lineWidth = width; }
    double getLineWidth() const { return lineWidth; }
    void setLineStyle(int32_t style) { lineStyle = style; }
    int32_t getLineStyle() const { return lineStyle; }

    // ---- clip: set and get in view coordinates, stored in device ones
    void setClipRect(const ViewRect& rect);
    ViewRect& getClipRect(ViewRect& rect) const;
    void resetClipRect();

    void setOffset(const ViewPoint& p) { offset = p; }
    const ViewPoint& getOffset() const { return offset; }

    // The pointer in frame units; unchanged when the context has no window
    // to ask.
    void getMouseLocation(ViewPoint& point) const;

    // Physical pixels per unit: what bitmaps choose their image by.
    double getScale() const { return scale; }

    CFrame* getFrame() const { return frame; }
    // For the toolkit's bitmaps: the backend canvas, null without a target.
    platform::Canvas* getPlatformCanvas() const { return canvas; }

  protected:
    // For offscreen contexts: draws into canvas, which the context owns,
    // scale physical pixels per unit.
    CDrawContext(CFrame* frame, platform::Canvas* canvas, const ViewRect& bounds,
                 double scale = 1.0);

  private:
    void applyDefaults();
    void applyDeviceClip(const ViewRect& deviceRect);
    // The device rectangle of rect with ordered corners.
    ViewRect toDevice(const ViewRect& rect) const;

    ViewPoint windowOrigin;
    ViewPoint offset;
    void* window = nullptr;
    PointerQuery pointerQuery = nullptr;
    CFrame* frame = nullptr;
    CFontDesc* font = nullptr;
    Colour fontColour;
    ViewPoint penPosition;
    double lineWidth = 1.0;
    Colour frameColour;
    Colour fillColour;
    int32_t lineStyle = kLineOnOffDash;
    int32_t drawMode = kAntialias;
    ViewRect clipRect;
    ViewRect defaultClip;
    platform::Canvas* canvas = nullptr;
    double scale = 1.0;
};

} // namespace VSTGUI
