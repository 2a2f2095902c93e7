#include "programs/Parameters.h"

#include "programs/DisplaySearch.h"
#include "programs/RenderError.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace gravelo::render {

namespace {

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::optional<int> asIndex(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 0 || value > 1'000'000) return std::nullopt;
    return static_cast<int>(value);
}

std::string namesOf(ParameterSurface& host) {
    std::string names;
    for (int i = 0; i < host.parameterCount(); ++i)
        names += (i > 0 ? ", " : "") + host.parameterName(i);
    return names.empty() ? "none" : names;
}

} // namespace

int findParameter(ParameterSurface& host, const std::string& nameOrIndex) {
    for (int i = 0; i < host.parameterCount(); ++i)
        if (sameName(host.parameterName(i), nameOrIndex)) return i;
    if (const auto index = asIndex(nameOrIndex)) {
        if (*index < host.parameterCount()) return *index;
        throw RenderError("no parameter " + nameOrIndex + ": the plug-in has " +
                          std::to_string(host.parameterCount()) + " parameters (0 to " +
                          std::to_string(host.parameterCount() - 1) + ")");
    }
    throw RenderError("unknown parameter '" + nameOrIndex + "' (parameters: " + namesOf(host) +
                      ")");
}

void applySetting(ParameterSurface& host, const ParameterSetting& setting) {
    const int index = findParameter(host, setting.parameter);
    if (setting.hostValue)
        host.setParameter(index, std::strtof(setting.value.c_str(), nullptr));
    else
        setByDisplay(host, index, setting.value);
}

void listParameters(ParameterSurface& host, std::FILE* out) {
    for (int i = 0; i < host.parameterCount(); ++i) {
        const std::string label = host.parameterLabel(i);
        std::fprintf(out, "%3d  %-16s %.6f  %s%s%s\n", i, host.parameterName(i).c_str(),
                     static_cast<double>(host.parameter(i)), host.parameterDisplay(i).c_str(),
                     label.empty() ? "" : " ", label.c_str());
    }
}

} // namespace gravelo::render
