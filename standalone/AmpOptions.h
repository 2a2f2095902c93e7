// gravelo-amp's command line.
#pragma once

#include "effect/Identity.h"
#include "programs/Setting.h"

#include <string>
#include <vector>

namespace gravelo::standalone {

struct AmpOptions {
    std::string clientName = identity::kProductName;
    bool gui = true;
    bool connect = true;
    std::string input;                // empty: the first physical capture port
    std::vector<std::string> outputs; // empty: the first two physical playback ports
    std::string preset;               // empty: the last state
    std::vector<render::ParameterSetting> settings;
    bool listPresets = false;
    bool help = false;
    bool version = false;
};

// Throws render::UsageError for a command line that makes no sense.
AmpOptions parseAmpOptions(int argc, const char* const* argv);
const char* ampUsageText();

} // namespace gravelo::standalone
