// Small pieces of Turtle text for the bundle's generator.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace gravelo::lv2::turtle {

// The shortest decimal literal that reads back as exactly `value`.
std::string decimal(double value);
std::string decimal(float value);
// A quoted string literal.
std::string quoted(const std::string& text);
// A typed literal holding `bytes`, which LV2 hosts read back as an atom:Chunk.
std::string base64Binary(std::span<const uint8_t> bytes);

// The prefixes every file of the bundle starts with.
std::string prefixes();

} // namespace gravelo::lv2::turtle
