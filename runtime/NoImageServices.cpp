// The image services of a program that never draws, such as an audio-only
// plug-in binary: handles exist, but no image ever loads, so nothing here
// needs the toolkit or a graphics library. CMake picks this file or
// VeSTImageServices.cpp per program (runtime/CMakeLists.txt).
#include "VeSTDrawingServices.h"
#include "VeSTImage.h"

VeSTImage* VeSTNewImage() {
    return new VeSTImage();
}

int32_t VeSTReleaseImage(VeSTImage* handle) {
    if (handle == nullptr) return 0;
    delete handle;
    return 1;
}

int32_t VeSTLoadImageResource(VeSTImage*, int32_t) {
    return 0;
}

int32_t VeSTLoadImageResourceName(VeSTImage*, const char*) {
    return 0;
}

int32_t VeSTLoadImageFile(VeSTImage*, const char*) {
    return 0;
}

double VeSTGetImageWidth(VeSTImage*) {
    return 0.0;
}

double VeSTGetImageHeight(VeSTImage*) {
    return 0.0;
}

int32_t VeSTGetImageTransparentColor(VeSTImage*, int32_t*, int32_t*, int32_t*, int32_t*) {
    return 0;
}

int32_t VeSTSetImageTransparentColor(VeSTImage*, int32_t, int32_t, int32_t, int32_t) {
    return 0;
}

int32_t VeSTGetImageNoAlpha(VeSTImage*) {
    return 0;
}

int32_t VeSTSetImageNoAlpha(VeSTImage*, int32_t) {
    return 0;
}
