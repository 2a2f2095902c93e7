// The program's run from the state it starts with to the state it leaves:
// presets, JACK client, window (unless --no-gui), the loop that ticks them,
// and the save at the end. Lines for the user go to `say`.
#pragma once

#include "standalone/AmpOptions.h"

#include <functional>
#include <string>

namespace gravelo::standalone {

// The exit status: 0 after SIGINT / SIGTERM or the window closed, 1 when
// there is no server or it went away.
int runAmp(const AmpOptions& options, const std::function<void(const std::string&)>& say);

} // namespace gravelo::standalone
