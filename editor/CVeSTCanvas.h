// The drawing services' surface for any shell with an editor: the toolkit
// draw context the editor lends for one draw, and the font cache that
// outlives the draws. A shell keeps one canvas, answers its drawing() with
// active(), and lends each draw's context through a Lend for exactly the
// length of the effect's graphics hook. It can also record what one draw
// did and do it again onto another context (the editor at a content scale
// draws each frame once, and repaints from the recording). User-interface
// thread only.
#pragma once

#include "FontCache.h"
#include "runtime/VeSTDrawing.h"

#include <functional>
#include <vector>

namespace VSTGUI {
class CDrawContext;
}

class CVeSTCanvas final : public VeSTDrawing {
  public:
    // Lends `context` to the canvas until the Lend goes, then gives back
    // whatever was lent before.
    class Lend {
      public:
        Lend(CVeSTCanvas& canvas, VSTGUI::CDrawContext* context);
        ~Lend();
        Lend(const Lend&) = delete;
        Lend& operator=(const Lend&) = delete;

      private:
        CVeSTCanvas& canvas;
        VSTGUI::CDrawContext* previous;
    };

    // This canvas while a context is lent; null otherwise, so the drawing
    // services do nothing outside a draw.
    VeSTDrawing* active() { return context != nullptr ? this : nullptr; }
    VSTGUI::CDrawContext* lentContext() const { return context; }
    FontCache& fonts() { return fontCache; }

    // While recording, every drawing call is also kept; starting drops the
    // recording before.
    void startRecording();
    void stopRecording() { recording = false; }
    bool hasRecording() const { return recorded; }
    // Does the recorded calls again onto `target`, in order.
    void replay(VSTGUI::CDrawContext* target);

    void setDrawMode(int32_t mode) override;
    void setFontColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) override;
    void setFillColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) override;
    void setFrameColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) override;
    double stringWidth(const char* text) override;
    void moveTo(double x, double y) override;
    void lineTo(double x, double y) override;
    void drawRect(double left, double top, double right, double bottom, int32_t style) override;
    void drawEllipse(double left, double top, double right, double bottom, int32_t style) override;
    void drawArc(double left, double top, double right, double bottom, double startAngle,
                 double endAngle, int32_t style) override;
    void drawStringInRect(const char* text, double left, double top, double right, double bottom,
                          bool opaque, int32_t align) override;
    void drawStringAligned(const char* text, double left, double top, double right, double bottom,
                           int32_t align, bool antialias) override;
    void drawString(const char* text, double x, double y, bool antialias) override;
    void drawPoint(double x, double y, int32_t red, int32_t green, int32_t blue,
                   int32_t alpha) override;
    void getPoint(double x, double y, int32_t* red, int32_t* green, int32_t* blue,
                  int32_t* alpha) override;
    void setFont(const char* face, int32_t size, int32_t style) override;
    int32_t fontSize() override;
    void drawImage(const VeSTImage& image, double left, double top, double right, double bottom,
                   double sourceX, double sourceY, Blend blend, uint8_t alpha) override;

  private:
    using Step = std::function<void(CVeSTCanvas&)>;
    void keep(Step step);

    VSTGUI::CDrawContext* context = nullptr; // lent, not owned
    FontCache fontCache;
    std::vector<Step> steps;
    bool recording = false;
    bool recorded = false;
};
