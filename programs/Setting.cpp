#include "programs/Setting.h"

#include "programs/RenderError.h"

#include <cstdlib>

namespace gravelo::render {

ParameterSetting parseSetting(const std::string& text) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0 || equals + 1 == text.size())
        throw UsageError(
            "--set takes NAME=VALUE (or INDEX=VALUE, or VALUEn for a host value 0..1), not '" +
            text + "'");
    ParameterSetting setting{text.substr(0, equals), text.substr(equals + 1), false};
    // "0.5n" is a host value; a display text such as "On" is not.
    const std::string number = setting.value.substr(0, setting.value.size() - 1);
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (setting.value.back() != 'n' || number.empty() || *end != '\0') return setting;
    if (!(value >= 0.0 && value <= 1.0))
        throw UsageError("a host value in --set is a number from 0 to 1 followed by 'n', not '" +
                         text + "'");
    setting.hostValue = true;
    setting.value = number;
    return setting;
}

} // namespace gravelo::render
