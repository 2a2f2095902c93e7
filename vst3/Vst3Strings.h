// Text across the interface: ASCII into fixed 8-bit fields, ASCII to and from
// the UTF-16 fields, always NUL-terminated within the field.
#pragma once

#include "vst3/Vst3Interface.h"

#include <cstddef>
#include <string>

namespace gravelo::vst3 {

void copyAscii(const char* text, char* field, size_t capacity);
void copyUtf16(const char* text, api::char16* field, size_t capacity);
// The UTF-16 text up to its NUL (at most `capacity` units) as ASCII; a unit
// beyond ASCII becomes '?', which no number contains.
std::string fromUtf16(const api::char16* text, size_t capacity = 128);

// Into a fixed field of either kind.
template <size_t N> void copyText(const char* text, char (&field)[N]) {
    copyAscii(text, field, N);
}
template <size_t N> void copyText(const char* text, api::char16 (&field)[N]) {
    copyUtf16(text, field, N);
}

} // namespace gravelo::vst3
