#include "standalone/ConfigPaths.h"

#include <cstdlib>

namespace gravelo::standalone {

ConfigPaths configPaths(const char* xdgConfigHome, const char* home) {
    std::filesystem::path base;
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/')
        base = xdgConfigHome;
    else
        base = std::filesystem::path(home != nullptr && home[0] != '\0' ? home : ".") / ".config";
    const std::filesystem::path folder = base / "gravelo";
    return {folder, folder / "presets", folder / "last.fxp"};
}

ConfigPaths configPathsFromEnvironment() {
    return configPaths(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

} // namespace gravelo::standalone
