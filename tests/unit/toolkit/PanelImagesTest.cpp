// The five embedded panel images: sizes, frame layout and what the frames
// show.
#include "toolkit/CBitmap.h"
#include "toolkit/ResourceTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace VSTGUI;

namespace {

struct Loaded {
    explicit Loaded(int32_t id) : bitmap(new CBitmap(CResourceDescription(id))) {}
    ~Loaded() { bitmap->forget(); }
    Loaded(const Loaded&) = delete;
    Loaded& operator=(const Loaded&) = delete;
    CBitmap* operator->() const { return bitmap; }
    CBitmap* bitmap;
};

// The pointer is the one orange part of a knob: strong red, middling
// green, little blue.
bool isPointer(Colour c) {
    return c.alpha > 200 && c.red > 200 && c.green > 100 && c.green < 190 && c.blue < 90;
}

// Clockwise angle in degrees from straight up to the centroid of the
// pointer's pixels in one frame; NaN without pointer pixels.
double pointerDegrees(const CBitmap* strip, int frame, int size) {
    double sumX = 0, sumY = 0;
    int count = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (isPointer(strip->getPixel(x, frame * size + y))) {
                sumX += x + 0.5 - size / 2.0;
                sumY += y + 0.5 - size / 2.0;
                ++count;
            }
    if (count == 0) return std::nan("");
    return std::atan2(sumX / count, -sumY / count) * 180 / std::numbers::pi;
}

struct Mean {
    double red = 0, green = 0, blue = 0;
};

// The mean colour of a frame's opaque pixels, leaving out a border of
// margin pixels (the LED's bezel).
Mean meanOfFrame(const CBitmap* strip, int frame, int size, int margin) {
    Mean m;
    int count = 0;
    for (int y = margin; y < size - margin; ++y)
        for (int x = margin; x < size - margin; ++x) {
            const Colour c = strip->getPixel(x, frame * size + y);
            if (c.alpha < 128) continue;
            m.red += c.red, m.green += c.green, m.blue += c.blue;
            ++count;
        }
    if (count > 0) m.red /= count, m.green /= count, m.blue /= count;
    return m;
}

bool framesDiffer(const CBitmap* strip, int a, int b, int size) {
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (strip->getPixel(x, a * size + y) != strip->getPixel(x, b * size + y)) return true;
    return false;
}

struct StripCase {
    int32_t id;
    int size;
    int frames;
};

} // namespace

TEST(PanelImages, SizesAsTheImageTable) {
    const struct {
        int32_t id;
        double width, height;
    } expected[] = {{0, 80, 3280}, {1, 60, 1860}, {2, 6, 60}, {3, 600, 284}, {4, 40, 1240}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.id);
        Loaded image(e.id);
        EXPECT_EQ(image->getWidth(), e.width);
        EXPECT_EQ(image->getHeight(), e.height);
    }
}

TEST(PanelImages, BackgroundHasNoAlphaChannel) {
    const ResourceData bg = findResource(3);
    ASSERT_TRUE(bg.found());
    ASSERT_GT(bg.size, 26u);
    EXPECT_EQ(bg.data[25], 2) << "PNG colour type 2: RGB without alpha";
    Loaded image(3);
    for (int y = 0; y < 284; y += 7)
        for (int x = 0; x < 600; x += 7)
            ASSERT_EQ(image->getPixel(x, y).alpha, 255);
}

class KnobStrip : public testing::TestWithParam<StripCase> {};

TEST_P(KnobStrip, PointerTurnsAbout300DegreesClockwise) {
    const StripCase c = GetParam();
    Loaded strip(c.id);
    const double first = pointerDegrees(strip.bitmap, 0, c.size);
    const double middle = pointerDegrees(strip.bitmap, c.frames / 2, c.size);
    const double last = pointerDegrees(strip.bitmap, c.frames - 1, c.size);
    EXPECT_NEAR(first, -150, 8) << "first frame points down to the left";
    EXPECT_NEAR(middle, 0, 8) << "middle frame points straight up";
    EXPECT_NEAR(last, 150, 8) << "last frame points down to the right";
    double previous = first;
    for (int frame = 1; frame < c.frames; ++frame) {
        const double now = pointerDegrees(strip.bitmap, frame, c.size);
        EXPECT_GT(now, previous) << "frame " << frame << " turns further clockwise";
        previous = now;
    }
}

TEST_P(KnobStrip, NeighbouringFramesDifferAndCornersAreTransparent) {
    const StripCase c = GetParam();
    Loaded strip(c.id);
    for (int frame = 1; frame < c.frames; ++frame)
        EXPECT_TRUE(framesDiffer(strip.bitmap, frame - 1, frame, c.size));
    for (int frame = 0; frame < c.frames; ++frame) {
        EXPECT_EQ(strip->getPixel(0, frame * c.size).alpha, 0);
        EXPECT_EQ(strip->getPixel(c.size - 1, frame * c.size + c.size - 1).alpha, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(PanelImages, KnobStrip,
                         testing::Values(StripCase{0, 80, 41}, StripCase{1, 60, 31},
                                         StripCase{4, 40, 31}));

TEST(PanelImages, LedGoesFromUnlitGreyToLitRed) {
    Loaded led(2);
    const Mean unlit = meanOfFrame(led.bitmap, 0, 6, 1);
    const Mean lit = meanOfFrame(led.bitmap, 9, 6, 1);
    EXPECT_NEAR(unlit.red, unlit.green, 15) << "grey";
    EXPECT_NEAR(unlit.green, unlit.blue, 15) << "grey";
    EXPECT_GT(lit.red, 2 * lit.green) << "red";
    EXPECT_GT(lit.red, 200) << "fully lit";
    for (int frame = 1; frame < 10; ++frame) {
        const Mean before = meanOfFrame(led.bitmap, frame - 1, 6, 1);
        const Mean now = meanOfFrame(led.bitmap, frame, 6, 1);
        EXPECT_GT(now.red - now.green, before.red - before.green)
            << "frame " << frame << " is redder than the one before";
    }
}
