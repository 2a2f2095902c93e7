// Parameters on the command line: by name or index, listed for the user.
#pragma once

#include "programs/ParameterSurface.h"
#include "programs/Setting.h"

#include <cstdio>
#include <string>

namespace gravelo::render {

// The index of the parameter named `nameOrIndex` (case-insensitive) or with
// that index; throws RenderError naming the parameters there are.
int findParameter(ParameterSurface& host, const std::string& nameOrIndex);

// Applies one --set.
void applySetting(ParameterSurface& host, const ParameterSetting& setting);

// One line per parameter: index, name, host value, display text and label.
void listParameters(ParameterSurface& host, std::FILE* out);

} // namespace gravelo::render
