#include "ImageLoading.h"

#include "toolkit/CBitmap.h"

namespace vobrix {

namespace {

// Keeps a bitmap only when it has a positive size.
VSTGUI::CBitmap* keptIfLoaded(VSTGUI::CBitmap* bitmap) {
    if (bitmap->isLoaded()) return bitmap;
    bitmap->forget();
    return nullptr;
}

} // namespace

VSTGUI::CBitmap* loadImageResource(int32_t resourceId) {
    return keptIfLoaded(new VSTGUI::CBitmap(VSTGUI::CResourceDescription(resourceId)));
}

VSTGUI::CBitmap* loadImageResource(const char* name) {
    return keptIfLoaded(new VSTGUI::CBitmap(VSTGUI::CResourceDescription(name)));
}

VSTGUI::CBitmap* loadImageFile(const char* path) {
    auto* bitmap = new VSTGUI::CBitmap();
    bitmap->loadFromFile(path);
    return keptIfLoaded(bitmap);
}

} // namespace vobrix
