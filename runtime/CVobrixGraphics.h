// Image slots, the pen and the editor's redraw rate.
#pragma once

#include "CVobrixFonts.h"
#include "SharedValue.h"

#include <map>

struct VeSTImage; // owned image handle of the shell's image services

struct ImageSlot {
    VeSTImage* handle = nullptr;
    double width = 0.0;
    double height = 0.0;
};

class CVobrixGraphics : public CVobrixFonts {
public:
    ~CVobrixGraphics() override;

    std::map<int32_t, ImageSlot> imageSlots;
    double penX = 0.0;
    double penY = 0.0;
    // Frames per second of the timed repaint; the effect sets it, mouse events raise it.
    SharedValue gfxRate{0.0};
};
