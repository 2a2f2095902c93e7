#include "vst3/Vst3Strings.h"

#include <cstring>

namespace gravelo::vst3 {

void copyAscii(const char* text, char* field, size_t capacity) {
    if (field == nullptr || capacity == 0) return;
    size_t n = 0;
    for (; text != nullptr && text[n] != '\0' && n + 1 < capacity; ++n)
        field[n] = text[n];
    std::memset(field + n, 0, capacity - n);
}

void copyUtf16(const char* text, api::char16* field, size_t capacity) {
    if (field == nullptr || capacity == 0) return;
    size_t n = 0;
    for (; text != nullptr && text[n] != '\0' && n + 1 < capacity; ++n)
        field[n] = static_cast<api::char16>(static_cast<unsigned char>(text[n]));
    for (size_t i = n; i < capacity; ++i)
        field[i] = 0;
}

std::string fromUtf16(const api::char16* text, size_t capacity) {
    std::string ascii;
    for (size_t n = 0; text != nullptr && n < capacity && text[n] != 0; ++n)
        ascii.push_back(text[n] < 0x80 ? static_cast<char>(text[n]) : '?');
    return ascii;
}

} // namespace gravelo::vst3
