// Images as Cairo ARGB32 image surfaces: blank, decoded from PNG bytes or
// files, read back pixel by pixel and written as PNG.
#include "CairoTypes.h"

#include <cstring>

namespace VSTGUI::platform {
namespace {

struct ByteReader {
    const uint8_t* data;
    size_t size;
    size_t position;
};

cairo_status_t readBytes(void* closure, unsigned char* out, unsigned int length) {
    auto* reader = static_cast<ByteReader*>(closure);
    if (length > reader->size - reader->position) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, reader->data + reader->position, length);
    reader->position += length;
    return CAIRO_STATUS_SUCCESS;
}

// Takes over surface when it decoded; failed loads come back as an
// error surface, which is released here.
Image* adopt(cairo_surface_t* surface) {
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return new Image{surface};
}

uint8_t unpremultiply(uint32_t channel, uint32_t alpha) {
    return uint8_t(alpha == 0 ? 0 : (channel * 255 + alpha / 2) / alpha);
}

} // namespace

Image* createImage(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    // A fresh image surface is cleared to zero, the blank bitmap we want.
    return adopt(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}

Image* decodePng(const uint8_t* data, size_t size) {
    if (data == nullptr || size == 0) return nullptr;
    ByteReader reader{data, size, 0};
    return adopt(cairo_image_surface_create_from_png_stream(readBytes, &reader));
}

Image* loadPngFile(const char* path) {
    if (path == nullptr) return nullptr;
    return adopt(cairo_image_surface_create_from_png(path));
}

void releaseImage(Image* image) {
    if (image == nullptr) return;
    cairo_surface_destroy(image->surface);
    delete image;
}

int imageWidth(const Image* image) {
    return image != nullptr ? cairo_image_surface_get_width(image->surface) : 0;
}

int imageHeight(const Image* image) {
    return image != nullptr ? cairo_image_surface_get_height(image->surface) : 0;
}

Colour imagePixel(const Image* image, int x, int y) {
    if (x < 0 || y < 0 || x >= imageWidth(image) || y >= imageHeight(image))
        return kTransparentColour;
    cairo_surface_flush(image->surface);
    const unsigned char* row = cairo_image_surface_get_data(image->surface) +
                               size_t(y) * cairo_image_surface_get_stride(image->surface);
    uint32_t argb;
    std::memcpy(&argb, row + size_t(x) * 4, 4);
    const cairo_format_t format = cairo_image_surface_get_format(image->surface);
    const uint32_t alpha = format == CAIRO_FORMAT_ARGB32 ? argb >> 24 : 255;
    return {unpremultiply((argb >> 16) & 0xff, alpha), unpremultiply((argb >> 8) & 0xff, alpha),
            unpremultiply(argb & 0xff, alpha), uint8_t(alpha)};
}

const uint32_t* imageWords(const Image* image, size_t& stride) {
    if (image == nullptr) return nullptr;
    cairo_surface_flush(image->surface);
    stride = size_t(cairo_image_surface_get_stride(image->surface)) / 4;
    return reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(image->surface));
}

bool writePng(const Image* image, const char* path) {
    if (image == nullptr || path == nullptr) return false;
    return cairo_surface_write_to_png(image->surface, path) == CAIRO_STATUS_SUCCESS;
}

} // namespace VSTGUI::platform
