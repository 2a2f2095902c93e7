#include "standalone/InputMeter.h"

#include <algorithm>
#include <cmath>

namespace gravelo::standalone {

void MeterDisplay::update(float peak, double now) {
    const double elapsed = lastUpdate < 0.0 ? 0.0 : std::max(0.0, now - lastUpdate);
    lastUpdate = now;
    const double peakDb = peak > 0.0f ? 20.0 * std::log10(static_cast<double>(peak)) : kFloorDb;
    const double fallen = level - kFallPerSecond * elapsed;
    level = std::clamp(std::max(peakDb, fallen), kFloorDb, 0.0);
    if (peak >= kClipLevel) clippedAt = now;
}

} // namespace gravelo::standalone
