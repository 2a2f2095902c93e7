#include "HostFeatures.h"

#include <cstring>

namespace gravelo::lv2 {

HostFeatures::HostFeatures(const LV2_Feature* const* features) {
    for (const LV2_Feature* const* f = features; f != nullptr && *f != nullptr; ++f) {
        const LV2_Feature& feature = **f;
        if (feature.URI == nullptr || feature.data == nullptr) continue;
        if (std::strcmp(feature.URI, LV2_URID__map) == 0)
            urids = static_cast<const LV2_URID_Map*>(feature.data);
        else if (std::strcmp(feature.URI, LV2_LOG__log) == 0)
            log = static_cast<const LV2_Log_Log*>(feature.data);
    }
    // Without a map the messages go out with type 0, which hosts print as
    // they print any other.
    noteType = urid(LV2_LOG__Note);
    errorType = urid(LV2_LOG__Error);
}

LV2_URID HostFeatures::urid(const char* uri) const {
    return urids != nullptr && urids->map != nullptr ? urids->map(urids->handle, uri) : 0;
}

void HostFeatures::report(LV2_URID type, const char* text) const {
    if (log != nullptr && log->printf != nullptr)
        log->printf(log->handle, type, "Gravelo: %s\n", text);
}

} // namespace gravelo::lv2
