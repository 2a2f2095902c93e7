#include "PluginLibrary.h"

namespace gravelo::vsthost {

std::string builtPluginPath() {
    return GRAVELO_PLUGIN_PATH;
}

} // namespace gravelo::vsthost
