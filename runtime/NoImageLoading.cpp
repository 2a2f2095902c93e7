// For programs that never draw: no image can be loaded, so the runtime's
// image services answer as for a missing image and no graphics library is
// needed.
#include "ImageLoading.h"

namespace vobrix {

VSTGUI::CBitmap* loadImageResource(int32_t) {
    return nullptr;
}

VSTGUI::CBitmap* loadImageResource(const char*) {
    return nullptr;
}

VSTGUI::CBitmap* loadImageFile(const char*) {
    return nullptr;
}

} // namespace vobrix
