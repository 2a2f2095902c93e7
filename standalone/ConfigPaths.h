// Where the practice amp keeps what it remembers: the last state and the
// user's presets, in the folder the XDG base directory rules give.
#pragma once

#include <filesystem>

namespace gravelo::standalone {

struct ConfigPaths {
    std::filesystem::path folder;  // .../gravelo
    std::filesystem::path presets; // .../gravelo/presets, the user's .fxp files
    std::filesystem::path last;    // .../gravelo/last.fxp, the state at the last exit
};

// $XDG_CONFIG_HOME/gravelo when that is an absolute path (the rules ignore
// a relative one), else $HOME/.config/gravelo; the values are the
// environment's, either may be null.
ConfigPaths configPaths(const char* xdgConfigHome, const char* home);
// The same for this process's environment.
ConfigPaths configPathsFromEnvironment();

} // namespace gravelo::standalone
