// The plug-in's state in files: preset files (.fxp) and raw chunks.
#pragma once

#include "PluginHost.h"

#include <string>

namespace gravelo::render {

// Throws RenderError for an unreadable or malformed file, or a preset made
// for another plug-in.
void loadPresetFile(PluginHost& host, const std::string& path);
// `name` is the program name stored in the file.
void savePresetFile(PluginHost& host, const std::string& path, const std::string& name);

// The whole state as the plug-in gives it to a host's project (bank chunk).
void loadChunkFile(PluginHost& host, const std::string& path);
void saveChunkFile(PluginHost& host, const std::string& path);

} // namespace gravelo::render
