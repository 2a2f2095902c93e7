#include "Icon.h"

#include "Knob.h"
#include "Paint.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace gravelo::images {
namespace {

// The big knob's look, as on the panel.
const KnobLook kIconKnob{rgb(235, 235, 232), rgb(120, 120, 118), rgb(34, 33, 32), 0.62};
constexpr int kFrames = 41;
constexpr int kShownFrame = 29; // the pointer at about two o'clock

void paintTile(cairo_t* cr, double size) {
    const double inset = size / 32;
    const double radius = size * 0.2;
    cairo_pattern_t* tolex = cairo_pattern_create_linear(0, 0, 0, size);
    cairo_pattern_add_color_stop_rgb(tolex, 0, 0.20, 0.19, 0.18);
    cairo_pattern_add_color_stop_rgb(tolex, 1, 0.07, 0.07, 0.07);
    cairo_set_source(cr, tolex);
    roundedRect(cr, inset, inset, size - 2 * inset, size - 2 * inset, radius);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(tolex);
    setColour(cr, pointerColour(), 0.9);
    cairo_set_line_width(cr, size / 32 < 1 ? 1 : size / 32);
    cairo_stroke(cr);
}

void put16(std::ofstream& out, uint16_t value) {
    out.put(static_cast<char>(value & 0xff));
    out.put(static_cast<char>(value >> 8));
}

void put32(std::ofstream& out, uint32_t value) {
    put16(out, static_cast<uint16_t>(value & 0xffff));
    put16(out, static_cast<uint16_t>(value >> 16));
}

uint32_t maskRowBytes(int width) {
    return static_cast<uint32_t>((width + 31) / 32 * 4);
}

uint32_t imageBytes(int width) {
    return 40 + static_cast<uint32_t>(width * width * 4) + maskRowBytes(width) * width;
}

// Cairo keeps premultiplied native-endian ARGB; an icon wants straight
// BGRA, bottom row first.
uint32_t straightPixel(const unsigned char* row, int x) {
    uint32_t argb = reinterpret_cast<const uint32_t*>(row)[x];
    const uint32_t a = argb >> 24;
    if (a == 0) return 0;
    auto unmultiply = [a](uint32_t c) { return (c * 255 + a / 2) / a; };
    return (a << 24) | (unmultiply((argb >> 16) & 0xff) << 16) |
           (unmultiply((argb >> 8) & 0xff) << 8) | unmultiply(argb & 0xff);
}

void writeImage(std::ofstream& out, cairo_surface_t* image) {
    cairo_surface_flush(image);
    const int size = cairo_image_surface_get_width(image);
    const int stride = cairo_image_surface_get_stride(image);
    const unsigned char* data = cairo_image_surface_get_data(image);
    // The header's height counts the colour rows and the mask's rows.
    put32(out, 40);
    put32(out, static_cast<uint32_t>(size));
    put32(out, static_cast<uint32_t>(size * 2));
    put16(out, 1);
    put16(out, 32);
    for (int i = 0; i < 6; ++i)
        put32(out, 0);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x)
            put32(out, straightPixel(data + y * stride, x));
    // Systems that ignore the alpha channel take transparency from the mask.
    for (int y = size - 1; y >= 0; --y) {
        std::vector<unsigned char> bits(maskRowBytes(size), 0);
        for (int x = 0; x < size; ++x)
            if ((straightPixel(data + y * stride, x) >> 24) == 0)
                bits[static_cast<size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        out.write(reinterpret_cast<const char*>(bits.data()),
                  static_cast<std::streamsize>(bits.size()));
    }
}

} // namespace

cairo_surface_t* makeIcon(int pixels) {
    cairo_surface_t* icon = createSurface(CAIRO_FORMAT_ARGB32, pixels, pixels, 1);
    cairo_t* cr = cairo_create(icon);
    paintTile(cr, pixels);
    // One frame of a strip drawn at the icon's size, so the knob is drawn
    // at its size, not scaled.
    const int knob = pixels * 9 / 8;
    cairo_surface_t* strip = makeKnobStrip(knob, kFrames, kIconKnob, 1);
    const double offset = (pixels - knob) / 2.0;
    cairo_rectangle(cr, 0, 0, pixels, pixels);
    cairo_clip(cr);
    cairo_set_source_surface(cr, strip, offset, offset - static_cast<double>(knob) * kShownFrame);
    cairo_rectangle(cr, offset, offset, knob, knob);
    cairo_fill(cr);
    cairo_surface_destroy(strip);
    cairo_destroy(cr);
    return icon;
}

bool writeIco(const std::string& path, const std::vector<cairo_surface_t*>& images) {
    std::ofstream out(path, std::ios::binary);
    if (!out) return false;
    put16(out, 0);
    put16(out, 1); // an icon, not a cursor
    put16(out, static_cast<uint16_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (cairo_surface_t* image : images) {
        const int size = cairo_image_surface_get_width(image);
        out.put(static_cast<char>(size >= 256 ? 0 : size)); // 0 stands for 256
        out.put(static_cast<char>(size >= 256 ? 0 : size));
        out.put(0); // no palette
        out.put(0);
        put16(out, 1);
        put16(out, 32);
        put32(out, imageBytes(size));
        put32(out, offset);
        offset += imageBytes(size);
    }
    for (cairo_surface_t* image : images)
        writeImage(out, image);
    return static_cast<bool>(out.flush());
}

} // namespace gravelo::images
