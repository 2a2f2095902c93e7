// Parameters on the command line: by name or index, listed for the user.
#pragma once

#include "Options.h"
#include "PluginHost.h"

#include <cstdio>
#include <string>

namespace render {

// The index of the parameter named `nameOrIndex` (case-insensitive) or with
// that index; throws RenderError naming the parameters there are.
int findParameter(PluginHost& host, const std::string& nameOrIndex);

// Applies one --set.
void applySetting(PluginHost& host, const ParameterSetting& setting);

// One line per parameter: index, name, host value, display text and label.
void listParameters(PluginHost& host, std::FILE* out);

} // namespace render
