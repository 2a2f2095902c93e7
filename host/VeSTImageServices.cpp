#include "VeSTImage.h"
#include "VeSTServices.h"

#include "toolkit/CBaseObject.h"

VeSTImage* VeSTNewImage() { return new VeSTImage(); }

VstInt32 VeSTReleaseImage(VeSTImage* handle) {
    if (handle == nullptr) return 0;
    if (handle->bitmap != nullptr) reinterpret_cast<VSTGUI::CBaseObject*>(handle->bitmap)->forget();
    delete handle;
    return 1;
}
