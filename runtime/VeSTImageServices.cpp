// The image services that need neither shell nor draw context: handles
// around toolkit bitmaps, loaded from the embedded resources or from files.
#include "VeSTDrawingServices.h"
#include "VeSTImage.h"

#include "toolkit/CBitmap.h"

using VSTGUI::CBitmap;

namespace {

void releaseBitmap(VeSTImage& handle) {
    if (handle.bitmap != nullptr) handle.bitmap->forget();
    handle.bitmap = nullptr;
}

// Keeps a freshly loaded bitmap only when it has a positive size.
int32_t adoptIfLoaded(VeSTImage& handle, CBitmap* bitmap) {
    releaseBitmap(handle);
    if (!bitmap->isLoaded()) {
        bitmap->forget();
        return 0;
    }
    handle.bitmap = bitmap;
    return 1;
}

} // namespace

VeSTImage* VeSTNewImage() {
    return new VeSTImage();
}

int32_t VeSTReleaseImage(VeSTImage* handle) {
    if (handle == nullptr) return 0;
    releaseBitmap(*handle);
    delete handle;
    return 1;
}

int32_t VeSTLoadImageResource(VeSTImage* handle, int32_t resourceId) {
    if (handle == nullptr) return 0;
    return adoptIfLoaded(*handle, new CBitmap(VSTGUI::CResourceDescription(resourceId)));
}

int32_t VeSTLoadImageResourceName(VeSTImage* handle, const char* name) {
    if (handle == nullptr || name == nullptr) return 0;
    return adoptIfLoaded(*handle, new CBitmap(VSTGUI::CResourceDescription(name)));
}

int32_t VeSTLoadImageFile(VeSTImage* handle, const char* path) {
    if (handle == nullptr || path == nullptr) return 0;
    releaseBitmap(*handle);
    auto* bitmap = new CBitmap();
    bitmap->loadFromFile(path);
    return adoptIfLoaded(*handle, bitmap);
}

double VeSTGetImageWidth(VeSTImage* handle) {
    return handle != nullptr && handle->bitmap != nullptr
               ? static_cast<double>(static_cast<int32_t>(handle->bitmap->getWidth()))
               : 0.0;
}

double VeSTGetImageHeight(VeSTImage* handle) {
    return handle != nullptr && handle->bitmap != nullptr
               ? static_cast<double>(static_cast<int32_t>(handle->bitmap->getHeight()))
               : 0.0;
}

int32_t VeSTGetImageTransparentColor(VeSTImage* handle, int32_t* red, int32_t* green, int32_t* blue,
                                     int32_t* alpha) {
    if (handle == nullptr || handle->bitmap == nullptr) return 0;
    const VSTGUI::Colour c = handle->bitmap->getTransparentColor();
    if (red != nullptr) *red = c.red;
    if (green != nullptr) *green = c.green;
    if (blue != nullptr) *blue = c.blue;
    if (alpha != nullptr) *alpha = c.alpha;
    return 1;
}

int32_t VeSTSetImageTransparentColor(VeSTImage* handle, int32_t red, int32_t green, int32_t blue,
                                     int32_t alpha) {
    if (handle == nullptr || handle->bitmap == nullptr) return 0;
    handle->bitmap->setTransparentColor({static_cast<uint8_t>(red), static_cast<uint8_t>(green),
                                         static_cast<uint8_t>(blue), static_cast<uint8_t>(alpha)});
    return 1;
}

int32_t VeSTGetImageNoAlpha(VeSTImage* handle) {
    return handle != nullptr && handle->bitmap != nullptr && handle->bitmap->getNoAlpha() ? 1 : 0;
}

int32_t VeSTSetImageNoAlpha(VeSTImage* handle, int32_t flag) {
    if (handle == nullptr || handle->bitmap == nullptr) return 0;
    handle->bitmap->setNoAlpha(flag != 0);
    return 1;
}
