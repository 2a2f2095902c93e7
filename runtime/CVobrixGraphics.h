// Image slots, the pen, the current colour and the editor's redraw rate,
// with the immediate-mode drawing primitives the effect's graphics hook
// uses. The primitives draw only while the shell lends a draw context;
// outside a draw they still move the pen. User-interface thread only
// (except gfxRate, which mouse events raise).
#pragma once

#include "CVobrixFonts.h"
#include "SharedValue.h"

#include <map>
#include <string>

struct VeSTImage; // owned image handle of the image services (VeSTDrawingServices.h)

struct ImageSlot {
    VeSTImage* handle = nullptr;
    double width = 0.0;
    double height = 0.0;
};

// Each component nominally 0 to 1.
struct DrawColour {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    double alpha = 0.0;
};

class CVobrixGraphics : public CVobrixFonts {
  public:
    ~CVobrixGraphics() override;

    // A colour component as the byte the draw context takes.
    static int32_t colourByte(double component);

    void drawLineTo(double x, double y, double antialias);
    void rectTo(double x, double y);
    void setTextColour(double antialias);
    // Line by line at the pen; leaves the pen just right of the last line.
    void drawText(const std::string& text);
    void drawStringSlot(double number);
    void drawNumber(double value, double decimals);
    // Copies the image region described by six memory cells from `address`:
    // source x, source y, width, height, destination x, destination y.
    void blitRegion(double imageIndex, double address);
    // The image slot, loading the image (resource first, then file) on first use.
    ImageSlot& image(int32_t index);
    void selectFont(double index, const std::string& face, double size, int32_t flags);

    std::map<int32_t, ImageSlot> imageSlots;
    double penX = 0.0;
    double penY = 0.0;
    DrawColour colour;
    // Frames per second of the timed repaint; the effect sets it, mouse events raise it.
    SharedValue gfxRate{0.0};

  private:
    void drawErrorBox(double left, double top, double right, double bottom);
    bool loadSlotImage(ImageSlot& slot, int32_t index);
};
