#include "PluginLibrary.h"

namespace hosting {

std::string builtPluginPath() {
    return GRAVELO_PLUGIN_PATH;
}

} // namespace hosting
