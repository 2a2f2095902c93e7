// Where the Gravelo plug-in is when no --plugin is given.
#pragma once

#include <string>

namespace gravelo::render {

// Beside the tool in a build or install tree (the tool's own folder and the
// two above it, or ../lib/vst), then ~/.vst. Throws RenderError if absent.
std::string defaultPluginPath();

} // namespace gravelo::render
