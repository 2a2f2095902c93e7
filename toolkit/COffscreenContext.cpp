#include "COffscreenContext.h"

#include "platform/GraphicsBackend.h"

#include <cmath>

namespace VSTGUI {

COffscreenContext::COffscreenContext(CFrame* owner, double wide, double high, Colour fill)
    : COffscreenContext(owner, new CBitmap(owner, std::fabs(wide), std::fabs(high)), wide, high,
                        fill) {}

COffscreenContext::COffscreenContext(CFrame* owner, CBitmap* pixels, double wide, double high,
                                     Colour fill)
    : CDrawContext(owner, platform::createCanvas(pixels->getPlatformImage()),
                   ViewRect(0, 0, wide, high).normalise()),
      bitmap(pixels), width(wide), height(high), background(fill) {}

// The canvas keeps its own hold on the pixels, so the bitmap may go first.
COffscreenContext::~COffscreenContext() {
    bitmap->forget();
}

} // namespace VSTGUI
