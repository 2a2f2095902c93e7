#include "VeSTDrawingServices.h"
#include "VeSTImage.h"
#include "VeSTServices.h"

#include "CVeST.h"
#include "toolkit/CBitmap.h"
#include "toolkit/CDrawContext.h"

using VSTGUI::CBitmap;
using VSTGUI::ViewPoint;
using VSTGUI::ViewRect;

namespace {

void releaseBitmap(VeSTImage& handle) {
    if (handle.bitmap != nullptr) handle.bitmap->forget();
    handle.bitmap = nullptr;
}

// Keeps a freshly loaded bitmap only when it has a positive size.
VstInt32 adoptIfLoaded(VeSTImage& handle, CBitmap* bitmap) {
    releaseBitmap(handle);
    if (!bitmap->isLoaded()) {
        bitmap->forget();
        return 0;
    }
    handle.bitmap = bitmap;
    return 1;
}

template <class Draw>
VstInt32 drawBitmap(VeSTImage* handle, CVeST* shell, double left, double top, double right,
                    double bottom, double sourceX, double sourceY, Draw&& draw) {
    if (handle == nullptr || handle->bitmap == nullptr || shell == nullptr ||
        shell->drawContext == nullptr)
        return 0;
    draw(*handle->bitmap, shell->drawContext, ViewRect(left, top, right, bottom),
         ViewPoint(sourceX, sourceY));
    return 1;
}

} // namespace

VeSTImage* VeSTNewImage() {
    return new VeSTImage();
}

VstInt32 VeSTReleaseImage(VeSTImage* handle) {
    if (handle == nullptr) return 0;
    releaseBitmap(*handle);
    delete handle;
    return 1;
}

VstInt32 VeSTLoadImageResource(VeSTImage* handle, VstInt32 resourceId) {
    if (handle == nullptr) return 0;
    return adoptIfLoaded(*handle, new CBitmap(VSTGUI::CResourceDescription(resourceId)));
}

VstInt32 VeSTLoadImageResourceName(VeSTImage* handle, const char* name) {
    if (handle == nullptr || name == nullptr) return 0;
    return adoptIfLoaded(*handle, new CBitmap(VSTGUI::CResourceDescription(name)));
}

VstInt32 VeSTLoadImageFile(VeSTImage* handle, const char* path) {
    if (handle == nullptr || path == nullptr) return 0;
    releaseBitmap(*handle);
    auto* bitmap = new CBitmap();
    bitmap->loadFromFile(path);
    return adoptIfLoaded(*handle, bitmap);
}

double VeSTGetImageWidth(VeSTImage* handle) {
    return handle != nullptr && handle->bitmap != nullptr
               ? static_cast<double>(static_cast<VstInt32>(handle->bitmap->getWidth()))
               : 0.0;
}

double VeSTGetImageHeight(VeSTImage* handle) {
    return handle != nullptr && handle->bitmap != nullptr
               ? static_cast<double>(static_cast<VstInt32>(handle->bitmap->getHeight()))
               : 0.0;
}

VstInt32 VeSTGetImageTransparentColor(VeSTImage* handle, VstInt32* red, VstInt32* green,
                                      VstInt32* blue, VstInt32* alpha) {
    if (handle == nullptr || handle->bitmap == nullptr) return 0;
    const VSTGUI::Colour c = handle->bitmap->getTransparentColor();
    if (red != nullptr) *red = c.red;
    if (green != nullptr) *green = c.green;
    if (blue != nullptr) *blue = c.blue;
    if (alpha != nullptr) *alpha = c.alpha;
    return 1;
}

VstInt32 VeSTSetImageTransparentColor(VeSTImage* handle, VstInt32 red, VstInt32 green,
                                      VstInt32 blue, VstInt32 alpha) {
    if (handle == nullptr || handle->bitmap == nullptr) return 0;
    handle->bitmap->setTransparentColor({static_cast<uint8_t>(red), static_cast<uint8_t>(green),
                                         static_cast<uint8_t>(blue), static_cast<uint8_t>(alpha)});
    return 1;
}

VstInt32 VeSTGetImageNoAlpha(VeSTImage* handle) {
    return handle != nullptr && handle->bitmap != nullptr && handle->bitmap->getNoAlpha() ? 1 : 0;
}

VstInt32 VeSTSetImageNoAlpha(VeSTImage* handle, VstInt32 flag) {
    if (handle == nullptr || handle->bitmap == nullptr) return 0;
    handle->bitmap->setNoAlpha(flag != 0);
    return 1;
}

VstInt32 VeSTDrawImage(VeSTImage* handle, CVeST* shell, double left, double top, double right,
                       double bottom, double sourceX, double sourceY) {
    return drawBitmap(
        handle, shell, left, top, right, bottom, sourceX, sourceY,
        [](CBitmap& b, auto* c, const ViewRect& r, const ViewPoint& p) { b.draw(c, r, p); });
}

VstInt32 VeSTDrawImageTransparent(VeSTImage* handle, CVeST* shell, double left, double top,
                                  double right, double bottom, double sourceX, double sourceY) {
    return drawBitmap(handle, shell, left, top, right, bottom, sourceX, sourceY,
                      [](CBitmap& b, auto* c, const ViewRect& r, const ViewPoint& p) {
                          b.drawTransparent(c, r, p);
                      });
}

VstInt32 VeSTDrawImageAlphaBlend(VeSTImage* handle, CVeST* shell, double left, double top,
                                 double right, double bottom, double sourceX, double sourceY,
                                 unsigned char alpha) {
    return drawBitmap(handle, shell, left, top, right, bottom, sourceX, sourceY,
                      [alpha](CBitmap& b, auto* c, const ViewRect& r, const ViewPoint& p) {
                          b.drawAlphaBlend(c, r, p, alpha);
                      });
}
