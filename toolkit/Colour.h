// A colour as four bytes; packed with red in the low byte, the form the
// runtime's drawing services hand over.
#pragma once

#include <cstdint>

namespace VSTGUI {

struct Colour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 0;

    constexpr uint32_t packed() const {
        return uint32_t(red) | uint32_t(green) << 8 | uint32_t(blue) << 16 | uint32_t(alpha) << 24;
    }
    static constexpr Colour fromPacked(uint32_t v) {
        return {uint8_t(v & 0xff), uint8_t((v >> 8) & 0xff), uint8_t((v >> 16) & 0xff),
                uint8_t(v >> 24)};
    }

    constexpr bool operator==(const Colour&) const = default;
};

constexpr Colour kBlackColour{0, 0, 0, 255};
constexpr Colour kWhiteColour{255, 255, 255, 255};
constexpr Colour kTransparentColour{0, 0, 0, 0};

} // namespace VSTGUI
