// The content scale: how many physical pixels one panel unit takes. Views
// and effects draw in their own units; the frame and the draw context apply
// the scale. Every format, window backend and tool asks this one place how
// a scale is chosen, clamped and turned into window sizes.
#pragma once

#include "ViewTypes.h"

namespace VSTGUI {

constexpr double kMinContentScale = 1.0;
constexpr double kMaxContentScale = 3.0;
// A desktop's dots per inch at scale 1, on every window system.
constexpr double kDotsPerInchAtScaleOne = 96.0;
// The environment variable a user sets for hosts that give no scale and
// desktops without one.
constexpr const char* kScaleOverrideVariable = "GRAVELO_UI_SCALE";

// Any real value within 1 .. 3 stays; others are clamped, and what is not a
// finite number at all means 1.
double clampContentScale(double scale);

// The scale an editor opens at, in this order: the host's, when it gave
// one; else the system's (X11 Xft.dpi / 96, the monitor's DPI / 96 on
// Windows), when it says one; else the user's override text (the
// environment variable's value, may be null); else 1. A source that gives
// nothing passes 0 (or null); whatever is chosen is clamped.
double chooseContentScale(double hostScale, double systemScale, const char* overrideText);
// The override as the environment holds it now: 0 when unset or not a
// positive number.
double parseScaleOverride(const char* text);

// A panel length in physical pixels: round(length * scale).
int scaledLength(double length, double scale);
// The largest scale at which a panel of panelWidth x panelHeight fits into
// width x height physical pixels, clamped to 1 .. 3: a host's window dragged
// to any size gets the panel that fits it, with the panel's own aspect. The
// scale is a whole panel width over panelWidth, so the size it gives fits
// again at the same scale: fitting is idempotent, as hosts that adjust a
// size and then set it expect.
double scaleToFit(double panelWidth, double panelHeight, double width, double height);

// Panel rectangle to the physical pixels it touches (rounded outward), and
// physical pixels to the panel rectangle that covers them (outward, whole
// units): a repaint of either never misses a pixel.
ViewRect panelToPhysical(const ViewRect& panel, double scale);
ViewRect physicalToPanel(const ViewRect& physical, double scale);
ViewPoint physicalToPanel(const ViewPoint& physical, double scale);

} // namespace VSTGUI
