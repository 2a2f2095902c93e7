#include "CVobrixStrings.h"

#include "Numeric.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

// Appends a formatted conversion to the result, never past its fixed size.
class FormatBuffer {
  public:
    void append(const char* text, size_t length) {
        const size_t room = CVobrixStrings::kFormatResultSize - 1 - result.size();
        result.append(text, length < room ? length : room);
    }
    void append(char c) { append(&c, 1); }
    std::string result;
};

bool isFloatConversion(char c) {
    return c == 'e' || c == 'f' || c == 'g' || c == 'E' || c == 'G';
}

bool isIntegerConversion(char c) {
    return c == 'd' || c == 'i' || c == 'o' || c == 'u' || c == 'x' || c == 'X' || c == 'c';
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The flags, digits and points of a conversion, without the stray bytes.
// strchr also finds the terminator, so a NUL byte is refused first: it would
// otherwise cut the conversion short inside the platform formatter.
std::string keptConversionBytes(const std::string& conversion) {
    std::string kept;
    for (size_t i = 1; i + 1 < conversion.size(); ++i) {
        const char c = conversion[i];
        if (isDigit(c) || (c != '\0' && std::strchr("-+ #.%", c) != nullptr)) kept += c;
    }
    return kept;
}

// Keeps only the flags, width and precision of a conversion and puts `letter`
// at its end, so nothing in the format can make snprintf read an argument we did
// not pass ('*', length letters). Widths and precisions are capped at 300: the
// piece buffer holds 255 bytes, so larger numbers could not change the result.
// The cap applies after the stray bytes are gone, because digits they
// separated join into one number (a width of millions takes snprintf seconds).
std::string sanitisedConversion(const std::string& conversion, char letter) {
    const std::string kept = keptConversionBytes(conversion);
    std::string printfConversion = "%";
    for (size_t i = 0; i < kept.size();) {
        if (!isDigit(kept[i])) {
            printfConversion += kept[i++];
            continue;
        }
        size_t end = i;
        while (end < kept.size() && isDigit(kept[end]))
            ++end;
        const std::string digits = kept.substr(i, end - i);
        printfConversion += digits.size() > 3 || std::stoi(digits) > 300 ? "300" : digits;
        i = end;
    }
    return printfConversion + letter;
}

} // namespace

std::string& CVobrixStrings::stringAt(double number) {
    std::string& text = strings[gravelo::runtime::toIndex(number)];
    stringCount = static_cast<double>(strings.size());
    return text;
}

int32_t CVobrixStrings::setString(int32_t number, const std::string& text) {
    strings[number] = text;
    stringCount = static_cast<double>(strings.size());
    return number;
}

void CVobrixStrings::clearStrings() {
    strings.clear();
    stringCount = 0.0;
}

double CVobrixStrings::formatValues(double destination, double format,
                                    std::span<const double> values) {
    const std::string pattern = stringAt(format);
    FormatBuffer out;
    size_t nextValue = 0;
    // A conversion without a value behind it formats 0 rather than reading past the list.
    auto takeValue = [&]() { return nextValue < values.size() ? values[nextValue++] : 0.0; };
    char piece[kFormatConversionSize];

    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            out.append(pattern[i]);
            continue;
        }
        size_t end = i + 1;
        while (end < pattern.size() && !std::isalpha(static_cast<unsigned char>(pattern[end])))
            ++end;
        if (end >= pattern.size()) break; // the format ends inside a conversion
        const std::string conversion = pattern.substr(i, end - i + 1);
        const char letter = pattern[end];
        i = end;

        int written = -1;
        if (isFloatConversion(letter)) {
            const std::string printfConversion = sanitisedConversion(conversion, letter);
            written = std::snprintf(piece, sizeof piece, printfConversion.c_str(), takeValue());
        } else if (isIntegerConversion(letter)) {
            const std::string printfConversion = sanitisedConversion(conversion, letter);
            written = std::snprintf(piece, sizeof piece, printfConversion.c_str(),
                                    static_cast<int>(gravelo::runtime::toIndex(takeValue())));
        } else if (letter == 's') {
            const std::string printfConversion = sanitisedConversion(conversion, letter);
            const std::string text = stringAt(takeValue());
            written = std::snprintf(piece, sizeof piece, printfConversion.c_str(), text.c_str());
        }
        if (written > 0)
            out.append(piece, std::min(static_cast<size_t>(written), sizeof piece - 1));
    }
    stringAt(destination) = out.result;
    return destination;
}
