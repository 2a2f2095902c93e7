#include "PanelCompare.h"

#include "PanelPicture.h"
#include "effect/panel/PanelLayout.h"
#include "toolkit/COffscreenContext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Knob boxes of the panel (x, y, size); each shows its value as text below.
struct Box {
    int x, y, size;
};
constexpr Box kKnobBoxes[] = {{40, 50, 80},   {480, 50, 80},  {50, 180, 60},
                              {490, 180, 60}, {200, 180, 60}, {270, 180, 60},
                              {340, 180, 60}, {435, 120, 40}, {130, 120, 40}};

// A difference below this per channel is rounding, not a different picture.
constexpr int kChannelTolerance = 8;

bool differs(uint32_t a, uint32_t b) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff)) > kChannelTolerance)
            return true;
    return false;
}

} // namespace

bool inTextArea(int x, int y) {
    for (const Box& k : kKnobBoxes)
        if (x >= k.x - 25 && x < k.x + k.size + 25 && y >= k.y + k.size - 12 &&
            y < k.y + k.size + 24)
            return true;
    return y >= 240 && x < 330; // the build label
}

PixelComparison compareWithOffscreen(AEffect* effect, const std::vector<uint32_t>& window,
                                     const std::string& saveAs, double scale) {
    PanelPicture picture(48000.0, scale);
    void* chunk = nullptr;
    const VstIntPtr size = effect->dispatcher(effect, effGetChunk, 0, 0, &chunk, 0.0f);
    AEffect& offscreen = picture.record();
    offscreen.dispatcher(&offscreen, effSetChunk, 0, size, chunk, 0.0f);
    picture.drawFrame();
    picture.drawFrame();
    PixelComparison result;
    const int width = int(std::lround(gravelo::panel_layout::kWidth * scale));
    const int height = int(std::lround(gravelo::panel_layout::kHeight * scale));
    std::vector<uint32_t> drawn(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const VSTGUI::Colour c = picture.context().getBitmap()->getPixel(x, y);
            drawn[size_t(y) * width + x] = uint32_t(c.red) << 16 | uint32_t(c.green) << 8 | c.blue;
        }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t i = size_t(y) * width + x;
            if (i >= window.size() || !differs(window[i], drawn[i])) continue;
            (inTextArea(int(x / scale), int(y / scale)) ? result.insideText : result.outsideText)++;
        }
    result.compared = drawn.size();
    if (!saveAs.empty()) {
        writePpm(saveAs + "-window.ppm", window, width, height);
        writePpm(saveAs + "-offscreen.ppm", drawn, width, height);
    }
    return result;
}

bool writePpm(const std::string& path, const std::vector<uint32_t>& pixels, int width, int height) {
    if (pixels.size() < size_t(width) * size_t(height)) return false;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    std::fprintf(file, "P6\n%d %d\n255\n", width, height);
    for (size_t i = 0; i < size_t(width) * size_t(height); ++i) {
        const unsigned char rgb[3] = {uint8_t(pixels[i] >> 16), uint8_t(pixels[i] >> 8),
                                      uint8_t(pixels[i])};
        std::fwrite(rgb, 1, 3, file);
    }
    return std::fclose(file) == 0;
}
