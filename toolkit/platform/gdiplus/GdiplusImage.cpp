// Images: blank buffers, PNG decoding (through ResourceStream) and writing.
#include "GdiplusTypes.h"
#include "ResourceStream.h"

#include <cstring>

namespace VSTGUI::platform {
namespace {

// The PNG encoder's class identifier.
const CLSID kPngEncoder = {
    0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// Copies a decoded picture into a buffer of our own: the decoded bitmap
// may keep reading its source, which then could not go away.
Image* copyDecoded(GpBitmap* decoded) {
    UINT width = 0, height = 0;
    GdipGetImageWidth(decoded, &width);
    GdipGetImageHeight(decoded, &height);
    Image* image = createImage(int(width), int(height));
    if (image == nullptr) return nullptr;
    GpRect all(0, 0, INT(width), INT(height));
    BitmapData locked{};
    if (GdipBitmapLockBits(decoded, &all, ImageLockModeRead, PixelFormat32bppARGB, &locked) != Ok) {
        releaseImage(image);
        return nullptr;
    }
    for (UINT row = 0; row < height; ++row)
        std::memcpy(&image->pixels[size_t(row) * width],
                    static_cast<const uint8_t*>(locked.Scan0) + row * locked.Stride, width * 4);
    GdipBitmapUnlockBits(decoded, &locked);
    return image;
}

Image* takeDecoded(GpStatus status, GpBitmap* decoded) {
    if (status != Ok || decoded == nullptr) return nullptr;
    Image* image = copyDecoded(decoded);
    GdipDisposeImage(decoded);
    return image;
}

} // namespace

Image* createImage(int width, int height) {
    if (width <= 0 || height <= 0 || !libraryRunning()) return nullptr;
    auto* image = new Image{width, height,
                            std::vector<uint32_t>(size_t(width) * size_t(height), 0u), nullptr};
    if (GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB,
                                  reinterpret_cast<BYTE*>(image->pixels.data()),
                                  &image->bitmap) != Ok) {
        delete image;
        return nullptr;
    }
    return image;
}

Image* decodePng(const uint8_t* data, size_t size) {
    if (data == nullptr || size == 0 || size > 0xffffffffu || !libraryRunning()) return nullptr;
    auto* stream = new ResourceStream(data, uint32_t(size));
    GpBitmap* decoded = nullptr;
    const GpStatus status = GdipCreateBitmapFromStream(stream, &decoded);
    Image* image = takeDecoded(status, decoded);
    stream->Release();
    return image;
}

Image* loadPngFile(const char* path) {
    if (path == nullptr || !libraryRunning()) return nullptr;
    const std::wstring name = widen(path);
    GpBitmap* decoded = nullptr;
    const GpStatus status = GdipCreateBitmapFromFile(name.c_str(), &decoded);
    return takeDecoded(status, decoded);
}

void releaseImage(Image* image) {
    if (image == nullptr) return;
    if (image->bitmap != nullptr && libraryRunning()) GdipDisposeImage(image->bitmap);
    delete image;
}

int imageWidth(const Image* image) {
    return image != nullptr ? image->width : 0;
}

int imageHeight(const Image* image) {
    return image != nullptr ? image->height : 0;
}

Colour imagePixel(const Image* image, int x, int y) {
    if (image == nullptr || x < 0 || y < 0 || x >= image->width || y >= image->height)
        return Colour{0, 0, 0, 0};
    const uint32_t argb = image->pixels[size_t(y) * size_t(image->width) + size_t(x)];
    return Colour{uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb), uint8_t(argb >> 24)};
}

const uint32_t* imageWords(const Image* image, size_t& stride) {
    if (image == nullptr) return nullptr;
    stride = size_t(image->width);
    return image->pixels.data();
}

bool writePng(const Image* image, const char* path) {
    if (image == nullptr || path == nullptr || !libraryRunning()) return false;
    const std::wstring name = widen(path);
    return GdipSaveImageToFile(image->bitmap, name.c_str(), &kPngEncoder, nullptr) == Ok;
}

} // namespace VSTGUI::platform
