// The features an LV2 host may offer the plug-in. Every one is optional:
// lv2apply, for one, offers none. Without the URID map the state cannot be
// saved or restored; without the log nothing is reported.
#pragma once

#include <lv2/core/lv2.h>
#include <lv2/log/log.h>
#include <lv2/urid/urid.h>

namespace gravelo::lv2 {

class HostFeatures {
  public:
    explicit HostFeatures(const LV2_Feature* const* features);

    const LV2_URID_Map* map() const { return urids; }
    // 0 without a map.
    LV2_URID urid(const char* uri) const;

    // Reports through the host's log, when it offers one; silent otherwise.
    // Never from the audio thread.
    void note(const char* text) const { report(noteType, text); }
    void error(const char* text) const { report(errorType, text); }

  private:
    void report(LV2_URID type, const char* text) const;

    const LV2_URID_Map* urids = nullptr;
    const LV2_Log_Log* log = nullptr;
    LV2_URID noteType = 0, errorType = 0;
};

} // namespace gravelo::lv2
