// The panel images drawn at 2 and 3 times the size: found by number and
// scale, exactly k times the size of the image at scale 1, and drawn at
// the scale rather than stretched.
#include "generated/ImageFiles.h"
#include "tests/support/PngSize.h"
#include "toolkit/CBitmap.h"
#include "toolkit/ResourceTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <string>

using namespace VSTGUI;

namespace {

// The images the effect names, by number: the list in resources/Images.cmake.
constexpr auto kImageCount = static_cast<int32_t>(std::size(gravelo::generated::kImageFiles));

gravelo::test::support::PngSize sizeOf(const ResourceData& png) {
    return gravelo::test::support::pngSize(png.data, png.size);
}

struct Picture {
    explicit Picture(const char* name) : bitmap(new CBitmap(CResourceDescription(name))) {}
    ~Picture() { bitmap->forget(); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    double channel(int x, int y, int c) const {
        const Colour p = bitmap->getPixel(x, y);
        const uint8_t values[4] = {p.red, p.green, p.blue, p.alpha};
        return values[c];
    }
    CBitmap* bitmap;
};

// A region of a picture at twice the size of the image at scale 1.
struct Region {
    int left, top, width, height;
};

// Mean of the absolute differences to the right and below neighbours over
// all four channels: edges drawn at the scale are steeper than edges
// stretched from fewer pixels.
template <class Sample> double meanGradient(const Region& r, Sample sample) {
    double sum = 0;
    for (int y = r.top; y < r.top + r.height - 1; ++y)
        for (int x = r.left; x < r.left + r.width - 1; ++x)
            for (int c = 0; c < 4; ++c) {
                const double here = sample(x, y, c);
                sum += std::abs(sample(x + 1, y, c) - here) + std::abs(sample(x, y + 1, c) - here);
            }
    return sum / (double(r.width - 1) * (r.height - 1) * 4);
}

// The image at scale 1 stretched to twice its size, bilinearly.
double stretched(const Picture& small, int x, int y, int c) {
    const double sx = std::max(0.0, (x + 0.5) / 2 - 0.5), sy = std::max(0.0, (y + 0.5) / 2 - 0.5);
    const int x0 = int(sx), y0 = int(sy);
    const int x1 = std::min(x0 + 1, int(small.bitmap->getWidth()) - 1);
    const int y1 = std::min(y0 + 1, int(small.bitmap->getHeight()) - 1);
    const double fx = sx - x0, fy = sy - y0;
    const double top = small.channel(x0, y0, c) * (1 - fx) + small.channel(x1, y0, c) * fx;
    const double bottom = small.channel(x0, y1, c) * (1 - fx) + small.channel(x1, y1, c) * fx;
    return top * (1 - fy) + bottom * fy;
}

} // namespace

TEST(ScaledImages, EachScaleIsExactlyKTimesTheImageAtScale1) {
    for (int32_t id = 0; id < kImageCount; ++id) {
        const ResourceData one = findResource(id, 1);
        ASSERT_TRUE(one.found()) << id;
        EXPECT_EQ(one.data, findResource(id).data) << "scale 1 is the image by number alone";
        for (int k = 2; k <= kLargestResourceScale; ++k) {
            SCOPED_TRACE("image " + std::to_string(id) + " at " + std::to_string(k) + "x");
            const ResourceData scaled = findResource(id, k);
            ASSERT_TRUE(scaled.found());
            EXPECT_NE(scaled.data, one.data) << "an image of its own, not the fallback";
            ASSERT_GT(sizeOf(one).width, 0u);
            EXPECT_EQ(sizeOf(scaled).width, k * sizeOf(one).width);
            EXPECT_EQ(sizeOf(scaled).height, k * sizeOf(one).height);
        }
    }
}

TEST(ScaledImages, OtherScalesAndMissingImagesFallBack) {
    for (int scale : {0, -2, 4, 100})
        EXPECT_EQ(findResource(3, scale).data, findResource(3).data) << scale;
    EXPECT_FALSE(findResource(kImageCount, 1).found()) << "no image past the list";
    EXPECT_FALSE(findResource(99, 2).found());
    EXPECT_FALSE(findResourceAtScale(3, 4).found());
    EXPECT_FALSE(findResource(-1, 2).found());
}

TEST(ScaledImages, TwiceTheSizeIsSharperThanTheImageStretched) {
    // Frame 20 of the big knob (its pointer straight up) and the meter
    // window's title: shapes and text without grain.
    const struct {
        const char* small;
        const char* large;
        Region region;
    } cases[] = {{"knob.png", "knob@2x.png", {0, 20 * 160, 160, 160}},
                 {"bg.png", "bg@2x.png", {2 * 200, 2 * 32, 2 * 200, 2 * 40}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.large);
        const Picture small(c.small), large(c.large);
        ASSERT_TRUE(small.bitmap->isLoaded() && large.bitmap->isLoaded());
        const double drawn =
            meanGradient(c.region, [&](int x, int y, int ch) { return large.channel(x, y, ch); });
        const double upscaled = meanGradient(
            c.region, [&](int x, int y, int ch) { return stretched(small, x, y, ch); });
        EXPECT_GT(drawn, 1.15 * upscaled) << "drawn " << drawn << ", stretched " << upscaled;
    }
}
