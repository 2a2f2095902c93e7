#include "ContentScale.h"

#include <cmath>
#include <cstdlib>

namespace VSTGUI {

double clampContentScale(double scale) {
    if (!std::isfinite(scale)) return kMinContentScale;
    if (scale < kMinContentScale) return kMinContentScale;
    if (scale > kMaxContentScale) return kMaxContentScale;
    return scale;
}

double parseScaleOverride(const char* text) {
    if (text == nullptr || *text == '\0') return 0.0;
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(value > 0.0) || !std::isfinite(value)) return 0.0;
    return value;
}

double chooseContentScale(double hostScale, double systemScale, const char* overrideText) {
    if (hostScale > 0.0) return clampContentScale(hostScale);
    if (systemScale > 0.0) return clampContentScale(systemScale);
    const double user = parseScaleOverride(overrideText);
    return user > 0.0 ? clampContentScale(user) : kMinContentScale;
}

int scaledLength(double length, double scale) {
    return int(std::lround(length * scale));
}

double scaleToFit(double panelWidth, double panelHeight, double width, double height) {
    if (!(panelWidth > 0.0) || !(panelHeight > 0.0) || !(width >= 0.0) || !(height >= 0.0))
        return kMinContentScale;
    // The widest whole width whose height, rounded, still fits.
    const double widthForHeight =
        std::ceil((std::floor(height) + 0.5) * panelWidth / panelHeight) - 1.0;
    const double fitted = std::fmin(std::floor(width), widthForHeight);
    const double lowest = std::ceil(panelWidth * kMinContentScale);
    const double highest = std::floor(panelWidth * kMaxContentScale);
    return std::fmax(lowest, std::fmin(highest, fitted)) / panelWidth;
}

ViewRect panelToPhysical(const ViewRect& panel, double scale) {
    return ViewRect(std::floor(panel.left * scale), std::floor(panel.top * scale),
                    std::ceil(panel.right * scale), std::ceil(panel.bottom * scale));
}

ViewRect physicalToPanel(const ViewRect& physical, double scale) {
    return ViewRect(std::floor(physical.left / scale), std::floor(physical.top / scale),
                    std::ceil(physical.right / scale), std::ceil(physical.bottom / scale));
}

ViewPoint physicalToPanel(const ViewPoint& physical, double scale) {
    return ViewPoint(physical.x / scale, physical.y / scale);
}

} // namespace VSTGUI
