// Helpers to look at what an offscreen context has drawn.
#pragma once

#include "toolkit/COffscreenContext.h"

#include <functional>

namespace gravelo::test {

inline VSTGUI::Colour pixelAt(VSTGUI::COffscreenContext& context, int x, int y) {
    return context.getBitmap()->getPixel(x, y);
}

inline bool isDrawn(VSTGUI::COffscreenContext& context, int x, int y) {
    return pixelAt(context, x, y).alpha != 0;
}

// The bounding box of the pixels for which test holds; empty (left >
// right) when none does.
struct PixelBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int count = 0;
    bool empty() const { return count == 0; }
};

inline PixelBox boxOf(VSTGUI::COffscreenContext& context,
                      const std::function<bool(VSTGUI::Colour)>& test) {
    PixelBox box;
    for (int y = 0; y < int(context.getHeight()); ++y)
        for (int x = 0; x < int(context.getWidth()); ++x) {
            if (!test(pixelAt(context, x, y))) continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
            ++box.count;
        }
    return box;
}

inline PixelBox drawnBox(VSTGUI::COffscreenContext& context) {
    return boxOf(context, [](VSTGUI::Colour c) { return c.alpha != 0; });
}

// Owns a context for one test and forgets it at the end.
struct Offscreen {
    explicit Offscreen(int width, int height)
        : context(new VSTGUI::COffscreenContext(nullptr, width, height)) {}
    ~Offscreen() { context->forget(); }
    Offscreen(const Offscreen&) = delete;
    Offscreen& operator=(const Offscreen&) = delete;
    VSTGUI::COffscreenContext* operator->() const { return context; }
    VSTGUI::COffscreenContext& operator*() const { return *context; }
    VSTGUI::COffscreenContext* context;
};

} // namespace gravelo::test
