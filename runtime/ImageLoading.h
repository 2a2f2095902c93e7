// Where the image services get their bitmaps. Programs that draw link the
// toolkit's loading (ImageLoading.cpp: the embedded resources and PNG files);
// a program that never draws, such as an audio-only plug-in binary, links
// NoImageLoading.cpp instead and so needs no graphics library. CMake picks
// one per program (runtime/CMakeLists.txt).
#pragma once

#include <cstdint>

namespace VSTGUI {
class CBitmap;
}

namespace vobrix {

// A new bitmap with one reference, or null when nothing could be loaded.
VSTGUI::CBitmap* loadImageResource(int32_t resourceId);
VSTGUI::CBitmap* loadImageResource(const char* name);
VSTGUI::CBitmap* loadImageFile(const char* path);

} // namespace vobrix
