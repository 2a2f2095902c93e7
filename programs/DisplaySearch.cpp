#include "programs/DisplaySearch.h"

#include "programs/RenderError.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace gravelo::render {

namespace {

constexpr int kScanSteps = 2000;
constexpr size_t kTextsNamedInErrors = 10;

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Half a unit of the display's last digit: "5.00" shows every value
// within 0.005 of 5 as 5.00.
double toleranceOf(const std::string& display) {
    const std::string text = trim(display);
    const auto point = text.find('.');
    int decimals = 0;
    if (point != std::string::npos)
        while (point + 1 + static_cast<size_t>(decimals) < text.size() &&
               std::isdigit(
                   static_cast<unsigned char>(text[point + 1 + static_cast<size_t>(decimals)])))
            ++decimals;
    return 0.5 * std::pow(10.0, -decimals) * (1.0 + 1e-9);
}

// Sets host values and reads what the parameter then displays.
class Probe {
  public:
    Probe(ParameterSurface& plugin, int parameter)
        : host(plugin), index(parameter), name(plugin.parameterName(parameter)) {
        label = trim(plugin.parameterLabel(parameter));
        // Some plug-ins put the unit into the display ("-6.00 dB") instead.
        const std::string display = trim(host.parameterDisplay(index));
        char* end = nullptr;
        std::strtod(display.c_str(), &end);
        unit = end != display.c_str() ? lower(trim(end)) : std::string();
    }
    std::string display(float x) {
        host.setParameter(index, x);
        return trim(host.parameterDisplay(index));
    }
    std::optional<double> number(float x) { return leadingNumber(display(x)); }
    std::string shown(const std::string& display) const {
        return label.empty() ? display : display + " " + label;
    }
    // The wanted text, with or without the unit label, as a number.
    std::optional<double> wantedNumber(const std::string& wanted) const {
        char* end = nullptr;
        const double value = std::strtod(wanted.c_str(), &end);
        if (end == wanted.c_str()) return std::nullopt;
        const std::string rest = lower(trim(end));
        if (!rest.empty() && rest != lower(label) && rest != unit) return std::nullopt;
        return value;
    }
    bool matches(const std::string& display, const std::string& wanted) const {
        const std::string w = lower(trim(wanted));
        return lower(display) == w || lower(display + label) == w ||
               lower(display + " " + label) == w;
    }

    ParameterSurface& host;
    const int index;
    const std::string name;
    std::string label;
    std::string unit;
};

// The last x with pred true and the first with pred false, for pred(lo)
// true and pred(hi) false.
template <class Predicate> std::pair<float, float> boundary(float lo, float hi, Predicate pred) {
    for (int i = 0; i < 64; ++i) {
        const float mid = lo + (hi - lo) / 2.0f;
        if (mid <= lo || mid >= hi) break;
        (pred(mid) ? lo : hi) = mid;
    }
    return {lo, hi};
}

float settle(Probe& probe, float x) {
    probe.host.setParameter(probe.index, x);
    return x;
}

// The middle of the first run of scanned values whose display matches.
std::optional<float> scanForText(Probe& probe, const std::string& wanted,
                                 std::vector<std::string>& seen) {
    const std::optional<double> number = probe.wantedNumber(wanted);
    int first = -1, last = -1;
    for (int step = 0; step <= kScanSteps && (first < 0 || last == step - 1); ++step) {
        const float x = static_cast<float>(step) / kScanSteps;
        const std::string display = probe.display(x);
        const auto shownNumber = leadingNumber(display);
        const bool hit =
            probe.matches(display, wanted) ||
            (number && shownNumber && std::abs(*shownNumber - *number) <= toleranceOf(display));
        if (hit && first < 0) first = step;
        if (hit) last = step;
        if (std::find(seen.begin(), seen.end(), probe.shown(display)) == seen.end())
            seen.push_back(probe.shown(display));
    }
    if (first < 0) return std::nullopt;
    return static_cast<float>(first + last) / 2.0f / kScanSteps;
}

float searchByScan(Probe& probe, const std::string& wanted) {
    std::vector<std::string> seen;
    if (const auto found = scanForText(probe, wanted, seen)) return settle(probe, *found);
    std::string list;
    for (size_t i = 0; i < seen.size() && i < kTextsNamedInErrors; ++i)
        list += (i > 0 ? ", " : "") + seen[i];
    if (seen.size() > kTextsNamedInErrors) list += ", ...";
    throw RenderError("parameter " + probe.name + " cannot show '" + wanted + "'; it shows " +
                      list);
}

// Bisection over a display that runs monotonically from x = 0 to x = 1.
float searchMonotonic(Probe& probe, double target, const std::string& wanted) {
    const std::string atZero = probe.display(0.0f), atOne = probe.display(1.0f);
    const double low = *leadingNumber(atZero), high = *leadingNumber(atOne);
    const bool rising = high > low;
    const double tolerance = std::max(toleranceOf(atZero), toleranceOf(atOne));
    if (target < std::min(low, high) - tolerance || target > std::max(low, high) + tolerance)
        throw RenderError("parameter " + probe.name + " cannot be set to " + wanted +
                          ": it goes from " + probe.shown(rising ? atZero : atOne) + " to " +
                          probe.shown(rising ? atOne : atZero));
    auto value = [&](float x) {
        const auto number = probe.number(x);
        return number ? *number : std::nan("");
    };
    auto shortOf = [&](float x) {
        return rising ? value(x) < target - tolerance : value(x) > target + tolerance;
    };
    auto beyond = [&](float x) {
        return rising ? value(x) > target + tolerance : value(x) < target - tolerance;
    };
    const auto [below, first] =
        shortOf(0.0f) ? boundary(0.0f, 1.0f, shortOf) : std::pair{0.0f, 0.0f};
    if (beyond(first)) {
        throw RenderError("parameter " + probe.name + " cannot be set to " + wanted +
                          ": the nearest settings are " + probe.shown(probe.display(below)) +
                          " and " + probe.shown(probe.display(first)));
    }
    const float last =
        beyond(1.0f) ? boundary(first, 1.0f, [&](float x) { return !beyond(x); }).first : 1.0f;
    // The middle of the values that show the target keeps the setting away
    // from the edges where a plug-in's rounding decides.
    const float middle = first + (last - first) / 2.0f;
    if (!shortOf(middle) && !beyond(middle)) return settle(probe, middle);
    return settle(probe, first);
}

} // namespace

std::optional<double> leadingNumber(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    if (end == start || std::isnan(value)) return std::nullopt;
    return value;
}

float setByDisplay(ParameterSurface& host, int index, const std::string& wanted) {
    Probe probe(host, index);
    const std::optional<double> target = probe.wantedNumber(wanted);
    const auto atZero = probe.number(0.0f), atOne = probe.number(1.0f);
    if (target && atZero && atOne && *atZero != *atOne && std::isfinite(*target)) {
        const float found = searchMonotonic(probe, *target, wanted);
        const std::string display = probe.display(found);
        const auto shown = leadingNumber(display);
        if (shown && std::abs(*shown - *target) <= toleranceOf(display)) return found;
    }
    return searchByScan(probe, wanted);
}

} // namespace gravelo::render
