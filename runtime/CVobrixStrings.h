// Numbered string slots, the table of declared data files, and the
// formatting built-in that writes into a slot.
#pragma once

#include "CVobrixDescription.h"

#include <cstddef>
#include <map>
#include <span>
#include <string>

class CVobrixStrings : public CVobrixDescription {
  public:
    static constexpr size_t kFormatResultSize = 512;     // result holds at most 511 bytes
    static constexpr size_t kFormatConversionSize = 256; // one conversion's text, at most 255

    // The slot numbered toIndex(number), created empty if missing.
    std::string& stringAt(double number);
    int32_t setString(int32_t number, const std::string& text);

    // Formats values into slot `destination` by the format text in slot `format`.
    template <class... Values>
    double formatString(double destination, double format, Values... values) {
        const double list[] = {0.0, static_cast<double>(values)...};
        return formatValues(destination, format,
                            std::span<const double>(list + 1, sizeof...(values)));
    }
    double formatValues(double destination, double format, std::span<const double> values);

    void clearStrings();

    std::map<int32_t, std::string> strings;
    std::map<int32_t, std::string> fileNameTable;
    double stringCount = 0.0;
};
