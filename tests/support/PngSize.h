// The width and height a PNG file declares, read from its header (the IHDR
// chunk holds them at bytes 16 and 20, big-endian) without decoding it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gravelo::test::support {

struct PngSize {
    uint32_t width = 0, height = 0;
};

inline PngSize pngSize(const uint8_t* png, size_t size) {
    if (png == nullptr || size < 24) return {};
    auto at = [&](size_t i) {
        return uint32_t(png[i]) << 24 | uint32_t(png[i + 1]) << 16 | uint32_t(png[i + 2]) << 8 |
               uint32_t(png[i + 3]);
    };
    return {at(16), at(20)};
}

} // namespace gravelo::test::support
