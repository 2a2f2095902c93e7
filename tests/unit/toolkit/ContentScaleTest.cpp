// The content scale's rules and what a context at a scale draws: which
// source decides, clamping, fitting a host's window, rounding rectangles,
// and an offscreen context and a bitmap at 1.5, 2 and 3.
#include "toolkit/ContentScale.h"
#include "toolkit/CBitmap.h"
#include "toolkit/COffscreenContext.h"
#include "toolkit/platform/GraphicsBackend.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace VSTGUI;

namespace {

TEST(ContentScale, TheHostThenTheSystemThenTheOverrideDecideWithin1And3) {
    const struct {
        double host, system;
        const char* override;
        double chosen;
    } cases[] = {
        {2.0, 1.5, "3", 2.0},       {0.0, 1.5, "3", 1.5},          {0.0, 0.0, "2.5", 2.5},
        {0.0, 0.0, nullptr, 1.0},   {0.0, 0.0, "", 1.0},           {0.0, 0.0, "2x", 1.0},
        {0.0, 0.0, "-2", 1.0},      {0.0, 0.0, "0.5", 1.0},        {0.0, 0.0, "1e9", 3.0},
        {7.0, 0.0, nullptr, 3.0},   {0.5, 2.0, nullptr, 1.0},      {NAN, 2.0, nullptr, 2.0},
        {0.0, 1.25, nullptr, 1.25}, {0.0, INFINITY, nullptr, 1.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseContentScale(c.host, c.system, c.override), c.chosen)
            << c.host << " " << c.system << " " << (c.override ? c.override : "(none)");
    EXPECT_EQ(scaledLength(600, 1.5), 900);
    EXPECT_EQ(scaledLength(284, 1.5), 426);
    EXPECT_EQ(scaledLength(284, 1.25), 355);
}

// Any window a host offers gets the largest panel that fits, with the
// panel's aspect, and that size fits again at the same scale.
TEST(ContentScale, FittingAHostsWindowKeepsTheAspectAndIsIdempotent) {
    for (int w = 500; w <= 2000; w += 7)
        for (int h = 250; h <= 950; h += 11) {
            const double s = scaleToFit(600, 284, w, h);
            ASSERT_TRUE(s >= 1.0 && s <= 3.0);
            const int fw = scaledLength(600, s), fh = scaledLength(284, s);
            if (w >= 600 && h >= 284) {
                ASSERT_TRUE(fw <= w && fh <= h) << w << " x " << h;
            }
            const bool largest = fw == 1800 || fw >= w || scaledLength(284, (fw + 1) / 600.0) > h;
            ASSERT_TRUE(largest) << w << " x " << h;
            ASSERT_EQ(scaleToFit(600, 284, fw, fh), s) << w << " x " << h;
        }
    EXPECT_EQ(scaleToFit(600, 284, 1200, 568), 2.0);
    EXPECT_EQ(scaleToFit(600, 284, 900, 426), 1.5);
}

TEST(ContentScale, RectanglesRoundOutward) {
    const ViewRect physical = panelToPhysical(ViewRect(1, 1, 2, 2), 1.5);
    EXPECT_EQ(physical, ViewRect(1, 1, 3, 3));
    EXPECT_EQ(physicalToPanel(ViewRect(1, 1, 3, 3), 1.5), ViewRect(0, 0, 2, 2));
    EXPECT_EQ(physicalToPanel(ViewRect(0, 0, 1200, 568), 2.0), ViewRect(0, 0, 600, 284));
}

// Units drawn at 2x: a one-unit fill covers two by two pixels, a one-unit
// line two pixels wide, exactly where the 1x pixel would be.
TEST(ContentScale, AnOffscreenContextDrawsEveryUnitAsScaleByScalePixels) {
    auto* context = new COffscreenContext(nullptr, 10, 6, kBlackColour, 2.0);
    EXPECT_EQ(context->getScale(), 2.0);
    EXPECT_EQ(context->getBitmap()->getWidth(), 10.0);
    context->setFillColor(kWhiteColour);
    context->drawRect(ViewRect(1, 1, 3, 2), kDrawFilled);
    context->setFrameColor({255, 0, 0, 255});
    context->moveTo(ViewPoint(0, 4));
    context->lineTo(ViewPoint(5, 4));
    const CBitmap& pixels = *context->getBitmap();
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 12; ++y) {
            const bool filled = x >= 2 && x < 6 && y >= 2 && y < 4;
            const bool line = x < 10 && (y == 8 || y == 9);
            const Colour c = pixels.getPixel(x, y);
            ASSERT_EQ(c.alpha, filled || line ? 255 : 0) << x << "," << y;
            if (line) {
                ASSERT_EQ(c.red * 1000 + c.green, 255000) << x << "," << y;
            }
        }
    EXPECT_EQ(pixels.getPixel(20, 12).alpha, 0) << "20 x 12 pixels, no more";
    context->forget();
}

// An embedded image is drawn from the smallest variant at least as sharp
// as the scale; above 3, from the 3x one.
TEST(ContentScale, ABitmapDrawsFromTheVariantForTheScale) {
    CBitmap knob(CResourceDescription(0));
    ASSERT_TRUE(knob.isLoaded());
    const double expected[][2] = {{1.0, 1}, {1.25, 2}, {2.0, 2}, {2.01, 3}, {3.0, 3}, {5.0, 3}};
    for (const auto& e : expected) {
        double perUnit = 0;
        knob.imageForScale(e[0], perUnit);
        EXPECT_EQ(perUnit, e[1]) << "scale " << e[0];
    }
    // At 2x the knob is drawn from its @2x pixels, one on one.
    auto* context = new COffscreenContext(nullptr, knob.getWidth(), 40, kBlackColour, 2.0);
    knob.draw(context, ViewRect(0, 0, knob.getWidth(), 40));
    double perUnit = 0;
    const platform::Image* sharp = knob.imageForScale(2.0, perUnit);
    ASSERT_NE(sharp, nullptr);
    for (int x = 10; x < 70; x += 7)
        for (int y = 10; y < 70; y += 7) {
            const Colour drawn = context->getBitmap()->getPixel(x, y);
            const Colour source = platform::imagePixel(sharp, x, y);
            if (source.alpha == 255) {
                EXPECT_EQ(drawn, source) << x << "," << y;
            }
        }
    context->forget();
}

} // namespace
