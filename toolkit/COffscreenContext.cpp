#include "COffscreenContext.h"

#include "platform/GraphicsBackend.h"

#include <cmath>

namespace VSTGUI {

COffscreenContext::COffscreenContext(CFrame* frame, double width, double height, Colour background)
    : COffscreenContext(frame, new CBitmap(frame, std::fabs(width), std::fabs(height)), width,
                        height, background) {}

COffscreenContext::COffscreenContext(CFrame* frame, CBitmap* bitmap, double width, double height,
                                     Colour background)
    : CDrawContext(frame, platform::createCanvas(bitmap->getPlatformImage()),
                   ViewRect(0, 0, width, height).normalise()),
      bitmap(bitmap), width(width), height(height), background(background) {}

// The canvas keeps its own hold on the pixels, so the bitmap may go first.
COffscreenContext::~COffscreenContext() {
    bitmap->forget();
}

} // namespace VSTGUI
