#include "Turtle.h"

#include <charconv>

namespace gravelo::lv2::turtle {

namespace {

template <class Number> std::string decimalOf(Number value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    std::string shown(text, result.ptr);
    // Turtle reads "20" as an integer: keep a decimal point.
    if (shown.find('.') == std::string::npos) shown += ".0";
    return shown;
}

} // namespace

std::string decimal(double value) {
    return decimalOf(value);
}

std::string decimal(float value) {
    return decimalOf(value);
}

std::string quoted(const std::string& text) {
    std::string result = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') result += '\\';
        result += c;
    }
    return result + "\"";
}

std::string base64Binary(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t left = bytes.size() - i;
        const uint32_t group = (uint32_t{bytes[i]} << 16) |
                               (left > 1 ? uint32_t{bytes[i + 1]} << 8 : 0) |
                               (left > 2 ? uint32_t{bytes[i + 2]} : 0);
        text += kDigits[(group >> 18) & 63];
        text += kDigits[(group >> 12) & 63];
        text += left > 1 ? kDigits[(group >> 6) & 63] : '=';
        text += left > 2 ? kDigits[group & 63] : '=';
    }
    return "\"" + text + "\"^^xsd:base64Binary";
}

std::string prefixes() {
    return "@prefix atom:  <http://lv2plug.in/ns/ext/atom#> .\n"
           "@prefix doap:  <http://usefulinc.com/ns/doap#> .\n"
           "@prefix foaf:  <http://xmlns.com/foaf/0.1/> .\n"
           "@prefix log:   <http://lv2plug.in/ns/ext/log#> .\n"
           "@prefix opts:  <http://lv2plug.in/ns/ext/options#> .\n"
           "@prefix lv2:   <http://lv2plug.in/ns/lv2core#> .\n"
           "@prefix pprop: <http://lv2plug.in/ns/ext/port-props#> .\n"
           "@prefix pset:  <http://lv2plug.in/ns/ext/presets#> .\n"
           "@prefix rdfs:  <http://www.w3.org/2000/01/rdf-schema#> .\n"
           "@prefix state: <http://lv2plug.in/ns/ext/state#> .\n"
           "@prefix ui:    <http://lv2plug.in/ns/extensions/ui#> .\n"
           "@prefix units: <http://lv2plug.in/ns/extensions/units#> .\n"
           "@prefix urid:  <http://lv2plug.in/ns/ext/urid#> .\n"
           "@prefix xsd:   <http://www.w3.org/2001/XMLSchema#> .\n\n";
}

} // namespace gravelo::lv2::turtle
