// Drawing services the runtime calls on its shell. They act only while the
// shell's editor lends it a draw context (inside one doGraphics), on what the
// shell's drawing() hands out (VeSTDrawing.h); at any other time, and for a
// null shell, they do nothing and answer 0. Image handles need no shell and
// no context. User-interface thread only.
#pragma once

#include "VeSTShell.h"

struct VeSTImage;

int32_t VeSTGetEditorSize(VeSTShell* shell, int32_t* width, int32_t* height);
int32_t VeSTSetDrawMode(VeSTShell* shell, int32_t mode);
int32_t VeSTSetFontColor(VeSTShell* shell, int32_t red, int32_t green, int32_t blue, int32_t alpha);
int32_t VeSTSetFillColor(VeSTShell* shell, int32_t red, int32_t green, int32_t blue, int32_t alpha);
int32_t VeSTSetFrameColor(VeSTShell* shell, int32_t red, int32_t green, int32_t blue,
                          int32_t alpha);
double VeSTGetStringWidth(VeSTShell* shell, const char* text);
int32_t VeSTMoveTo(VeSTShell* shell, double x, double y);
int32_t VeSTLineTo(VeSTShell* shell, double x, double y);
int32_t VeSTDrawRect(VeSTShell* shell, double left, double top, double right, double bottom,
                     int32_t style);
int32_t VeSTDrawEllipse(VeSTShell* shell, double left, double top, double right, double bottom,
                        int32_t style);
int32_t VeSTDrawArc(VeSTShell* shell, double left, double top, double right, double bottom,
                    double startAngle, double endAngle, int32_t style);
int32_t VeSTDrawStringInRect(VeSTShell* shell, const char* text, double left, double top,
                             double right, double bottom, unsigned char opaque, int32_t align);
int32_t VeSTDrawStringAligned(VeSTShell* shell, const char* text, double left, double top,
                              double right, double bottom, int32_t align, unsigned char antialias);
int32_t VeSTDrawString(VeSTShell* shell, const char* text, double x, double y,
                       unsigned char antialias);
int32_t VeSTDrawPoint(VeSTShell* shell, double x, double y, int32_t red, int32_t green,
                      int32_t blue, int32_t alpha);
int32_t VeSTGetPoint(VeSTShell* shell, double x, double y, int32_t* red, int32_t* green,
                     int32_t* blue, int32_t* alpha);
// Selects `face` at `size` pixels in `style` (1 bold), through the shell's font cache.
int32_t VeSTSetFont(VeSTShell* shell, const char* face, int32_t size, int32_t style);
int32_t VeSTGetFontSize(VeSTShell* shell);

VeSTImage* VeSTNewImage();
int32_t VeSTReleaseImage(VeSTImage* handle);
// The embedded PNG numbered `resourceId`; 1 when it has a positive size.
int32_t VeSTLoadImageResource(VeSTImage* handle, int32_t resourceId);
int32_t VeSTLoadImageResourceName(VeSTImage* handle, const char* name);
int32_t VeSTLoadImageFile(VeSTImage* handle, const char* path);
double VeSTGetImageWidth(VeSTImage* handle);
double VeSTGetImageHeight(VeSTImage* handle);
int32_t VeSTGetImageTransparentColor(VeSTImage* handle, int32_t* red, int32_t* green, int32_t* blue,
                                     int32_t* alpha);
int32_t VeSTSetImageTransparentColor(VeSTImage* handle, int32_t red, int32_t green, int32_t blue,
                                     int32_t alpha);
int32_t VeSTGetImageNoAlpha(VeSTImage* handle);
int32_t VeSTSetImageNoAlpha(VeSTImage* handle, int32_t flag);
// Copies the source area of the destination's size, unscaled; 1 when drawn.
int32_t VeSTDrawImage(VeSTImage* handle, VeSTShell* shell, double left, double top, double right,
                      double bottom, double sourceX, double sourceY);
int32_t VeSTDrawImageTransparent(VeSTImage* handle, VeSTShell* shell, double left, double top,
                                 double right, double bottom, double sourceX, double sourceY);
int32_t VeSTDrawImageAlphaBlend(VeSTImage* handle, VeSTShell* shell, double left, double top,
                                double right, double bottom, double sourceX, double sourceY,
                                unsigned char alpha);
