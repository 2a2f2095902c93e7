// Finding the host value that makes a parameter display a given text. The
// interface only turns host values into texts, so the search sets values
// and reads the display back: bisection while the display is a monotonic
// number, a scan for texts that are not numbers.
#pragma once

#include "programs/ParameterSurface.h"

#include <optional>
#include <string>

namespace gravelo::render {

// A number at the start of a display text ("-3.50", "12 dB", "-inf").
std::optional<double> leadingNumber(const std::string& text);

// Sets parameter `index` to the host value whose display is `wanted` and
// answers that value. Throws RenderError naming the reachable range (or the
// nearest settings, or some of the texts shown) when no value displays it.
float setByDisplay(ParameterSurface& host, int index, const std::string& wanted);

} // namespace gravelo::render
