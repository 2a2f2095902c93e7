// One --set of a command line: a parameter by name or index, and a value
// either in the units the plug-in displays or, with the 'n' suffix, as a
// host value 0..1. Shared by the programs that take --set.
#pragma once

#include <string>

namespace gravelo::render {

struct ParameterSetting {
    std::string parameter;
    std::string value;
    bool hostValue = false;
};

// Reads NAME=VALUE; throws UsageError for text that is no setting.
ParameterSetting parseSetting(const std::string& text);

} // namespace gravelo::render
