#include "COffscreenContext.h"

#include "platform/GraphicsBackend.h"

#include <cmath>

namespace VSTGUI {

COffscreenContext::COffscreenContext(CFrame* owner, double wide, double high, Colour fill,
                                     double pixelsPerUnit)
    : COffscreenContext(owner, new CBitmap(owner, std::fabs(wide), std::fabs(high), pixelsPerUnit),
                        wide, high, fill, pixelsPerUnit) {}

COffscreenContext::COffscreenContext(CFrame* owner, CBitmap* pixels, double wide, double high,
                                     Colour fill, double pixelsPerUnit)
    : CDrawContext(owner, platform::createCanvas(pixels->getPlatformImage()),
                   ViewRect(0, 0, wide, high).normalise(), pixelsPerUnit),
      bitmap(pixels), width(wide), height(high), background(fill) {}

// The canvas keeps its own hold on the pixels, so the bitmap may go first.
COffscreenContext::~COffscreenContext() {
    bitmap->forget();
}

} // namespace VSTGUI
