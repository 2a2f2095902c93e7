// Drawing services the runtime calls on its shell. They act only while the
// effect view lends the shell a draw context (inside one doGraphics); at any
// other time they do nothing and answer 0. Image handles need no context.
// User-interface thread only.
#pragma once

#include "VstInterface.h"

class CVeST;
struct VeSTImage;

VstInt32 VeSTGetEditorSize(CVeST* shell, VstInt32* width, VstInt32* height);
VstInt32 VeSTSetDrawMode(CVeST* shell, VstInt32 mode);
VstInt32 VeSTSetFontColor(CVeST* shell, VstInt32 red, VstInt32 green, VstInt32 blue,
                          VstInt32 alpha);
VstInt32 VeSTSetFillColor(CVeST* shell, VstInt32 red, VstInt32 green, VstInt32 blue,
                          VstInt32 alpha);
VstInt32 VeSTSetFrameColor(CVeST* shell, VstInt32 red, VstInt32 green, VstInt32 blue,
                           VstInt32 alpha);
double VeSTGetStringWidth(CVeST* shell, const char* text);
VstInt32 VeSTMoveTo(CVeST* shell, double x, double y);
VstInt32 VeSTLineTo(CVeST* shell, double x, double y);
VstInt32 VeSTDrawRect(CVeST* shell, double left, double top, double right, double bottom,
                      VstInt32 style);
VstInt32 VeSTDrawEllipse(CVeST* shell, double left, double top, double right, double bottom,
                         VstInt32 style);
VstInt32 VeSTDrawArc(CVeST* shell, double left, double top, double right, double bottom,
                     double startAngle, double endAngle, VstInt32 style);
VstInt32 VeSTDrawStringInRect(CVeST* shell, const char* text, double left, double top, double right,
                              double bottom, unsigned char opaque, VstInt32 align);
VstInt32 VeSTDrawStringAligned(CVeST* shell, const char* text, double left, double top,
                               double right, double bottom, VstInt32 align,
                               unsigned char antialias);
VstInt32 VeSTDrawString(CVeST* shell, const char* text, double x, double y,
                        unsigned char antialias);
VstInt32 VeSTDrawPoint(CVeST* shell, double x, double y, VstInt32 red, VstInt32 green,
                       VstInt32 blue, VstInt32 alpha);
VstInt32 VeSTGetPoint(CVeST* shell, double x, double y, VstInt32* red, VstInt32* green,
                      VstInt32* blue, VstInt32* alpha);
// Selects `face` at `size` pixels in `style` (1 bold), through the shell's font cache.
VstInt32 VeSTSetFont(CVeST* shell, const char* face, VstInt32 size, VstInt32 style);
VstInt32 VeSTGetFontSize(CVeST* shell);

VeSTImage* VeSTNewImage();
VstInt32 VeSTReleaseImage(VeSTImage* handle);
// The embedded PNG numbered `resourceId`; 1 when it has a positive size.
VstInt32 VeSTLoadImageResource(VeSTImage* handle, VstInt32 resourceId);
VstInt32 VeSTLoadImageResourceName(VeSTImage* handle, const char* name);
VstInt32 VeSTLoadImageFile(VeSTImage* handle, const char* path);
double VeSTGetImageWidth(VeSTImage* handle);
double VeSTGetImageHeight(VeSTImage* handle);
VstInt32 VeSTGetImageTransparentColor(VeSTImage* handle, VstInt32* red, VstInt32* green,
                                      VstInt32* blue, VstInt32* alpha);
VstInt32 VeSTSetImageTransparentColor(VeSTImage* handle, VstInt32 red, VstInt32 green,
                                      VstInt32 blue, VstInt32 alpha);
VstInt32 VeSTGetImageNoAlpha(VeSTImage* handle);
VstInt32 VeSTSetImageNoAlpha(VeSTImage* handle, VstInt32 flag);
// Copies the source area of the destination's size, unscaled; 1 when drawn.
VstInt32 VeSTDrawImage(VeSTImage* handle, CVeST* shell, double left, double top, double right,
                       double bottom, double sourceX, double sourceY);
VstInt32 VeSTDrawImageTransparent(VeSTImage* handle, CVeST* shell, double left, double top,
                                  double right, double bottom, double sourceX, double sourceY);
VstInt32 VeSTDrawImageAlphaBlend(VeSTImage* handle, CVeST* shell, double left, double top,
                                 double right, double bottom, double sourceX, double sourceY,
                                 unsigned char alpha);
