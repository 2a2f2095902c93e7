#include "standalone/SaveSchedule.h"

namespace gravelo::standalone {

bool SaveSchedule::due(const Controls& now, double time) {
    if (now != seen) {
        seen = now;
        changedAt = time;
    }
    return seen != written && time - changedAt >= kDelaySeconds;
}

} // namespace gravelo::standalone
