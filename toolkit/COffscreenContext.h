// A draw context whose target is a blank bitmap of its own: the frame's back
// buffer, and the way tools and tests draw without any window.
#pragma once

#include "CBitmap.h"
#include "CDrawContext.h"

namespace VSTGUI {

class COffscreenContext : public CDrawContext {
  public:
    // width x height units; negative sizes are taken by their magnitude. The
    // bitmap holds round(width * scale) x round(height * scale) pixels and
    // everything drawn is magnified by scale. The background colour is
    // recorded, not painted: the bitmap starts fully transparent.
    COffscreenContext(CFrame* frame, double width, double height, Colour background = kBlackColour,
                      double scale = 1.0);
    ~COffscreenContext() override;

    // The pixels drawn so far (held by the context), at the context's scale.
    CBitmap* getBitmap() const { return bitmap; }
    double getWidth() const { return width; }
    double getHeight() const { return height; }
    Colour getBackgroundColour() const { return background; }

  private:
    // The bitmap is made before the base class, whose canvas targets it.
    COffscreenContext(CFrame* frame, CBitmap* bitmap, double width, double height,
                      Colour background, double scale);

    CBitmap* bitmap;
    double width;
    double height;
    Colour background;
};

} // namespace VSTGUI
