#include "PluginLibrary.h"

namespace vsthost {

std::string builtPluginPath() {
    return GRAVELO_PLUGIN_PATH;
}

} // namespace vsthost
