#include "standalone/SaveSchedule.h"

namespace standalone {

bool SaveSchedule::due(const Controls& now, double time) {
    if (now != seen) {
        seen = now;
        changedAt = time;
    }
    return seen != written && time - changedAt >= kDelaySeconds;
}

} // namespace standalone
