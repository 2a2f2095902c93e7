// The damage region, the back buffer and the copy onto the window.
#include "X11ErrorTrap.h"
#include "X11Window.h"

#include <cairo-xlib.h>

#include <cstdint>

namespace VSTGUI::platform {

void X11Window::invalidate(const ViewRect& rect) {
    if (!isAlive() || damage == nullptr) return;
    ViewRect clipped = rect;
    clipped.intersect(ViewRect(0, 0, width, height));
    if (clipped.isEmpty()) return;
    XRectangle area;
    area.x = short(clipped.left);
    area.y = short(clipped.top);
    area.width = static_cast<unsigned short>(int(clipped.right + 0.999) - area.x);
    area.height = static_cast<unsigned short>(int(clipped.bottom + 0.999) - area.y);
    XUnionRectWithRegion(&area, damage, damage);
}

// The whole damage is drawn once, into the back buffer, and then copied:
// the window never shows a half-drawn picture.
void X11Window::paintDamage() {
    if (!isAlive() || damage == nullptr || XEmptyRegion(damage)) return;
    XRectangle box;
    XClipBox(damage, &box);
    XDestroyRegion(damage);
    damage = XCreateRegion();
    listener.windowPaint(ViewRect(box.x, box.y, box.x + box.width, box.y + box.height));
}

bool X11Window::ensureBackBuffer() {
    if (backBuffer != nullptr) return true;
    if (!isAlive()) return false;
    backBuffer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(backBuffer) == CAIRO_STATUS_SUCCESS) return true;
    cairo_surface_destroy(backBuffer);
    backBuffer = nullptr;
    return false;
}

void X11Window::releaseBackBuffer() {
    if (backBuffer != nullptr) cairo_surface_destroy(backBuffer);
    backBuffer = nullptr;
}

// Only the pixels that differ from what the server shows are sent: a still
// panel redrawn thirty times a second then costs no transfer at all.
void X11Window::present(const ViewRect& rect) {
    if (!isAlive() || backBuffer == nullptr) return;
    ViewRect area = rect;
    area.intersect(ViewRect(0, 0, width, height));
    const int x = int(area.left), y = int(area.top);
    const int w = int(area.right + 0.999) - x, h = int(area.bottom + 0.999) - y;
    if (w <= 0 || h <= 0) return;
    cairo_surface_flush(backBuffer);
    const std::vector<PixelBox> changes =
        shown.takeChanges(cairo_image_surface_get_data(backBuffer),
                          cairo_image_surface_get_stride(backBuffer), {x, y, w, h});
    if (changes.empty()) return;
    X11ErrorTrap trap(display);
    if (!putImages(changes)) copyThroughCairo(changes);
    XFlush(display);
}

// The usual true-colour visual stores pixels exactly as Cairo's ARGB32
// does, so the buffer goes to the server as it is, without a copy here.
bool X11Window::putImages(const std::vector<PixelBox>& boxes) {
    if (visual == nullptr || visual->red_mask != 0xff0000 || visual->green_mask != 0xff00 ||
        visual->blue_mask != 0xff || (depth != 24 && depth != 32))
        return false;
    unsigned char* pixels = cairo_image_surface_get_data(backBuffer);
    const int stride = cairo_image_surface_get_stride(backBuffer);
    XImage* image =
        XCreateImage(display, visual, unsigned(depth), ZPixmap, 0, reinterpret_cast<char*>(pixels),
                     unsigned(width), unsigned(height), 32, stride);
    if (image == nullptr) return false;
    if (image->bits_per_pixel != 32) {
        image->data = nullptr;
        XDestroyImage(image);
        return false;
    }
    const uint32_t probe = 1;
    // Cairo's words are in this machine's byte order.
    image->byte_order = *reinterpret_cast<const unsigned char*>(&probe) == 1 ? LSBFirst : MSBFirst;
    for (const PixelBox& box : boxes)
        XPutImage(display, window, gc, image, box.x, box.y, box.x, box.y, unsigned(box.width),
                  unsigned(box.height));
    image->data = nullptr; // the pixels belong to the back buffer
    XDestroyImage(image);
    return true;
}

void X11Window::copyThroughCairo(const std::vector<PixelBox>& boxes) {
    cairo_surface_t* screen = cairo_xlib_surface_create(display, window, visual, width, height);
    cairo_t* cr = cairo_create(screen);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, backBuffer, 0, 0);
    for (const PixelBox& box : boxes)
        cairo_rectangle(cr, box.x, box.y, box.width, box.height);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_flush(screen);
    cairo_surface_destroy(screen);
}

} // namespace VSTGUI::platform
