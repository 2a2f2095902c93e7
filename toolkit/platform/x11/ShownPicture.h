// What the X server already shows of a window, kept as a copy of the
// pixels last sent, so that a repaint sends only the pixels that changed.
// The panel is redrawn whole thirty times a second and is mostly still:
// sending the whole picture each time cost more than drawing it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace VSTGUI::platform {

struct PixelBox {
    int x, y, width, height;
};

class ShownPicture {
  public:
    // Sizes the copy; everything counts as unknown to the server.
    void reset(int width, int height);
    // The server lost this area (an Expose): it is sent on the next change
    // scan whatever the pixels are.
    void forget(PixelBox area);
    // The boxes inside area where picture (32-bit pixels, stride in bytes,
    // the copy's size) differs from what was sent; the copy takes them on,
    // as the caller sends them at once.
    std::vector<PixelBox> takeChanges(const unsigned char* picture, int stride, PixelBox area);

  private:
    PixelBox clipped(PixelBox area) const;
    uint32_t* row(int y) { return pixels.data() + size_t(y) * size_t(width); }

    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

} // namespace VSTGUI::platform
