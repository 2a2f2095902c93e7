#include "VeSTDrawingServices.h"

#include "VeSTDrawing.h"
#include "VeSTImage.h"

namespace {

VeSTDrawing* drawingOf(VeSTShell* shell) {
    return shell != nullptr ? shell->drawing() : nullptr;
}

// Runs `draw` on what the shell draws on; 1 when there was something.
template <class Draw> int32_t withDrawing(VeSTShell* shell, Draw&& draw) {
    VeSTDrawing* drawing = drawingOf(shell);
    if (drawing == nullptr) return 0;
    draw(*drawing);
    return 1;
}

int32_t drawImage(VeSTImage* handle, VeSTShell* shell, double left, double top, double right,
                  double bottom, double sourceX, double sourceY, VeSTDrawing::Blend blend,
                  uint8_t alpha) {
    if (handle == nullptr || handle->bitmap == nullptr) return 0;
    return withDrawing(shell, [&](VeSTDrawing& d) {
        d.drawImage(*handle, left, top, right, bottom, sourceX, sourceY, blend, alpha);
    });
}

} // namespace

int32_t VeSTGetEditorSize(VeSTShell* shell, int32_t* width, int32_t* height) {
    int32_t w = 0, h = 0;
    if (shell == nullptr || !shell->editorSize(w, h)) return 0;
    if (width != nullptr) *width = w;
    if (height != nullptr) *height = h;
    return 1;
}

int32_t VeSTSetDrawMode(VeSTShell* shell, int32_t mode) {
    return withDrawing(shell, [&](VeSTDrawing& d) { d.setDrawMode(mode); });
}

int32_t VeSTSetFontColor(VeSTShell* shell, int32_t red, int32_t green, int32_t blue,
                         int32_t alpha) {
    return withDrawing(shell, [&](VeSTDrawing& d) { d.setFontColour(red, green, blue, alpha); });
}

int32_t VeSTSetFillColor(VeSTShell* shell, int32_t red, int32_t green, int32_t blue,
                         int32_t alpha) {
    return withDrawing(shell, [&](VeSTDrawing& d) { d.setFillColour(red, green, blue, alpha); });
}

int32_t VeSTSetFrameColor(VeSTShell* shell, int32_t red, int32_t green, int32_t blue,
                          int32_t alpha) {
    return withDrawing(shell, [&](VeSTDrawing& d) { d.setFrameColour(red, green, blue, alpha); });
}

double VeSTGetStringWidth(VeSTShell* shell, const char* text) {
    VeSTDrawing* drawing = drawingOf(shell);
    return drawing != nullptr && text != nullptr ? drawing->stringWidth(text) : 0.0;
}

int32_t VeSTMoveTo(VeSTShell* shell, double x, double y) {
    return withDrawing(shell, [&](VeSTDrawing& d) { d.moveTo(x, y); });
}

int32_t VeSTLineTo(VeSTShell* shell, double x, double y) {
    return withDrawing(shell, [&](VeSTDrawing& d) { d.lineTo(x, y); });
}

int32_t VeSTDrawRect(VeSTShell* shell, double left, double top, double right, double bottom,
                     int32_t style) {
    return withDrawing(shell, [&](VeSTDrawing& d) { d.drawRect(left, top, right, bottom, style); });
}

int32_t VeSTDrawEllipse(VeSTShell* shell, double left, double top, double right, double bottom,
                        int32_t style) {
    return withDrawing(shell,
                       [&](VeSTDrawing& d) { d.drawEllipse(left, top, right, bottom, style); });
}

int32_t VeSTDrawArc(VeSTShell* shell, double left, double top, double right, double bottom,
                    double startAngle, double endAngle, int32_t style) {
    return withDrawing(shell, [&](VeSTDrawing& d) {
        d.drawArc(left, top, right, bottom, startAngle, endAngle, style);
    });
}

int32_t VeSTDrawStringInRect(VeSTShell* shell, const char* text, double left, double top,
                             double right, double bottom, unsigned char opaque, int32_t align) {
    if (text == nullptr) return 0;
    return withDrawing(shell, [&](VeSTDrawing& d) {
        d.drawStringInRect(text, left, top, right, bottom, opaque != 0, align);
    });
}

int32_t VeSTDrawStringAligned(VeSTShell* shell, const char* text, double left, double top,
                              double right, double bottom, int32_t align, unsigned char antialias) {
    if (text == nullptr) return 0;
    return withDrawing(shell, [&](VeSTDrawing& d) {
        d.drawStringAligned(text, left, top, right, bottom, align, antialias != 0);
    });
}

int32_t VeSTDrawString(VeSTShell* shell, const char* text, double x, double y,
                       unsigned char antialias) {
    if (text == nullptr) return 0;
    return withDrawing(shell, [&](VeSTDrawing& d) { d.drawString(text, x, y, antialias != 0); });
}

int32_t VeSTDrawPoint(VeSTShell* shell, double x, double y, int32_t red, int32_t green,
                      int32_t blue, int32_t alpha) {
    return withDrawing(shell, [&](VeSTDrawing& d) { d.drawPoint(x, y, red, green, blue, alpha); });
}

int32_t VeSTGetPoint(VeSTShell* shell, double x, double y, int32_t* red, int32_t* green,
                     int32_t* blue, int32_t* alpha) {
    return withDrawing(shell, [&](VeSTDrawing& d) { d.getPoint(x, y, red, green, blue, alpha); });
}

int32_t VeSTSetFont(VeSTShell* shell, const char* face, int32_t size, int32_t style) {
    if (face == nullptr) return 0;
    return withDrawing(shell, [&](VeSTDrawing& d) { d.setFont(face, size, style); });
}

int32_t VeSTGetFontSize(VeSTShell* shell) {
    VeSTDrawing* drawing = drawingOf(shell);
    return drawing != nullptr ? drawing->fontSize() : 0;
}

int32_t VeSTDrawImage(VeSTImage* handle, VeSTShell* shell, double left, double top, double right,
                      double bottom, double sourceX, double sourceY) {
    return drawImage(handle, shell, left, top, right, bottom, sourceX, sourceY,
                     VeSTDrawing::Blend::opaque, 255);
}

int32_t VeSTDrawImageTransparent(VeSTImage* handle, VeSTShell* shell, double left, double top,
                                 double right, double bottom, double sourceX, double sourceY) {
    return drawImage(handle, shell, left, top, right, bottom, sourceX, sourceY,
                     VeSTDrawing::Blend::transparent, 255);
}

int32_t VeSTDrawImageAlphaBlend(VeSTImage* handle, VeSTShell* shell, double left, double top,
                                double right, double bottom, double sourceX, double sourceY,
                                unsigned char alpha) {
    return drawImage(handle, shell, left, top, right, bottom, sourceX, sourceY,
                     VeSTDrawing::Blend::alpha, alpha);
}
