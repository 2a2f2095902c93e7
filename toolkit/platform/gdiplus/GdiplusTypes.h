// The GDI+ backend's definitions of the backend's opaque types and the flat
// interface it draws through; private to this folder.
#pragma once

#include "toolkit/platform/GraphicsBackend.h"

// windows.h comes first: the headers below rely on its declarations.
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <string>
#include <vector>

namespace VSTGUI::platform {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

// Straight 32-bit ARGB pixels in memory of our own, wrapped by a library
// bitmap, so reading a pixel back needs no lock.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    GpBitmap* bitmap = nullptr;
};

struct Canvas {
    GpGraphics* graphics = nullptr;
    bool antialias = false;
    double scale = 1.0; // physical pixels per unit, see setScale
    // Kept between calls and changed only when the paint differs.
    GpPen* pen = nullptr;
    Colour penColour{0, 0, 0, 255};
    double penWidth = 1.0;
    bool penDotted = false;
    GpSolidFill* brush = nullptr;
    Colour brushColour{0, 0, 0, 255};
};

struct Font {
    GpFontFamily* family = nullptr;
    GpFont* font = nullptr;
    std::string familyName; // what the lookup settled on
};

// The library's colour word: alpha << 24 | red << 16 | green << 8 | blue.
inline ARGB toArgb(Colour c) {
    return ARGB(c.alpha) << 24 | ARGB(c.red) << 16 | ARGB(c.green) << 8 | ARGB(c.blue);
}

// UTF-8 to the library's UTF-16.
std::wstring widen(const char* text);

// True between startup() and shutdown(): library objects outliving the
// library are only forgotten, never handed back to it.
bool libraryRunning();

} // namespace VSTGUI::platform
