// Text: width, face resolution, alignment in a rectangle and its clip.
#include "PixelProbe.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using gravelo::test::drawnBox;
using gravelo::test::Offscreen;

TEST(StringWidth, MinusOneWithoutTextOrFont) {
    Offscreen ctx(10, 10);
    EXPECT_EQ(ctx->getStringWidth(nullptr), -1);
    EXPECT_EQ(ctx->getStringWidth(""), 0);
    CFontDesc nameless("", 12);
    ctx->setFont(&nameless);
    EXPECT_EQ(ctx->getStringWidth("abc"), -1) << "no platform font for an empty name";
    ctx->setFont(kSystemFont);
}

TEST(StringWidth, ArialMetricsAtTwelvePixels) {
    // Arial's capital M advances 1706/2048 em: 9.996 pixels at 12 pixels.
    Offscreen ctx(10, 10);
    EXPECT_NEAR(ctx->getStringWidth("MMMM"), 4 * 1706.0 / 2048.0 * 12, 0.05);
    ctx->setFont(kNormalFontVeryBig);
    EXPECT_NEAR(ctx->getStringWidth("MMMM"), 4 * 1706.0 / 2048.0 * 18, 0.05);
    ctx->setFont(kNormalFont, 0, kBoldFace);
    EXPECT_GT(ctx->getStringWidth("abcdef"), 0);
    const double bold = ctx->getStringWidth("abcdef");
    ctx->setFont(kNormalFont);
    EXPECT_GT(bold, ctx->getStringWidth("abcdef")) << "bold is wider";
}

TEST(StringWidth, Utf8Text) {
    Offscreen ctx(10, 10);
    EXPECT_GT(ctx->getStringWidth("\xc3\xa9"), 0) << "e acute counts as one glyph";
    EXPECT_LT(ctx->getStringWidth("\xc3\xa9"), ctx->getStringWidth("ee"));
}

TEST(FontResolution, ArialResolvesToAMetricCompatibleFace) {
    const std::string family = kSystemFont->getResolvedFamily();
    EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family;
}

namespace {

// Draws "MMMM" (about 40 pixels wide) aligned in (10, 10, 110, 30) and
// answers the drawn pixels' box.
gravelo::test::PixelBox alignedText(int32_t align) {
    Offscreen ctx(120, 40);
    ctx->drawStringInRect("MMMM", ViewRect(10, 10, 110, 30), align, false);
    return drawnBox(*ctx);
}

} // namespace

TEST(DrawStringInRect, AlignLeftCentreRight) {
    const auto left = alignedText(kLeftText);
    const auto centre = alignedText(kCenterText);
    const auto right = alignedText(kRightText);
    ASSERT_FALSE(left.empty());
    // A capital M sits about one pixel inside its advance on either side.
    EXPECT_GE(left.left, 10);
    EXPECT_LE(left.left, 12);
    EXPECT_NEAR(left.right, 10 + 40 - 2, 2) << "ends about the advance width further";
    EXPECT_NEAR((centre.left + centre.right + 1) / 2.0, 60, 1.5);
    EXPECT_LE(right.right, 109) << "align 2 ends the text at rect.right";
    EXPECT_GE(right.right, 107);
    EXPECT_EQ(right.right - right.left, left.right - left.left);
}

TEST(DrawStringInRect, CentredVertically) {
    const auto box = alignedText(kLeftText);
    // Capitals of 12-pixel Arial are about 8.6 pixels tall.
    EXPECT_NEAR(box.bottom - box.top + 1, 9, 1);
    EXPECT_NEAR((box.top + box.bottom + 1) / 2.0, 20, 2);
}

TEST(DrawStringInRect, ClippedToTheRectAndTheClipRestored) {
    Offscreen ctx(120, 40);
    ctx->setOffset({5, 0});
    ctx->drawStringInRect("MMMMMMMMMMMM", ViewRect(10, 10, 40, 30), kLeftText, true);
    const auto box = drawnBox(*ctx);
    EXPECT_GE(box.left, 15);
    EXPECT_LE(box.right, 44);
    ViewRect clip;
    EXPECT_EQ(ctx->getClipRect(clip), ViewRect(-5, 0, 115, 40));
}

TEST(DrawStringInRect, SecondFormIsSmoothed) {
    Offscreen smooth(120, 40), aliased(120, 40);
    smooth->drawStringInRect("Output", ViewRect(0, 0, 120, 40), false, kCenterText);
    aliased->drawStringInRect("Output", ViewRect(0, 0, 120, 40), kCenterText, false);
    auto partial = [](Colour c) { return c.alpha != 0 && c.alpha != 255; };
    EXPECT_GT(gravelo::test::boxOf(*smooth, partial).count, 5);
    EXPECT_EQ(gravelo::test::boxOf(*aliased, partial).count, 0);
}

TEST(DrawString, BaselineNearThePoint) {
    Offscreen ctx(60, 40);
    ctx->setFontColor({255, 255, 0, 255});
    ctx->drawString("HH", {5, 25}, false);
    const auto box = drawnBox(*ctx);
    EXPECT_LE(box.bottom, 25) << "capitals rest on a baseline just above p";
    EXPECT_GE(box.bottom, 21);
    EXPECT_GE(box.left, 5);
    EXPECT_EQ(gravelo::test::pixelAt(*ctx, box.left, box.bottom), (Colour{255, 255, 0, 255}))
        << "H's left stem";
}

TEST(DrawString, UnderlineDrawsBelowTheBaseline) {
    Offscreen plain(60, 40), underlined(60, 40);
    underlined->setFont(kNormalFont, 0, kUnderlineFace);
    plain->drawString("HH", {5, 25}, false);
    underlined->drawString("HH", {5, 25}, false);
    EXPECT_GT(drawnBox(*underlined).bottom, drawnBox(*plain).bottom);
}

namespace {

// Draws "Gain 7.5" in the context's current font, smoothed, into a fresh
// picture of its own.
void drawSample(COffscreenContext& ctx) {
    ctx.setFontColor(kWhiteColour);
    ctx.drawString("Gain 7.5", ViewPoint(4, 30), true);
}

bool samePixels(COffscreenContext& a, COffscreenContext& b) {
    for (int y = 0; y < int(a.getHeight()); ++y)
        for (int x = 0; x < int(a.getWidth()); ++x) {
            const Colour p = gravelo::test::pixelAt(a, x, y), q = gravelo::test::pixelAt(b, x, y);
            if (p.red != q.red || p.green != q.green || p.blue != q.blue || p.alpha != q.alpha)
                return false;
        }
    return true;
}

} // namespace

TEST(DerivedFont, EachSizeAndStyleIsResolvedOnce) {
    Offscreen ctx(10, 10);
    CFontDesc face("Arial", 0);
    ctx->setFont(&face, 17, kBoldFace);
    const platform::Font* first = ctx->getFont()->getPlatformFont();
    ctx->setFont(&face, 13, kNormalFace);
    ctx->setFont(&face, 17, kBoldFace);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(ctx->getFont()->getPlatformFont(), first)
        << "a second description of the same size and style";
    ctx->setFont(ctx->getFont(), 17, kItalicFace);
    EXPECT_NE(ctx->getFont()->getPlatformFont(), first) << "another style is another face";
    ctx->setFont(kSystemFont);
}

TEST(DerivedFont, DrawsAndMeasuresAsAFreshDescription) {
    CFontDesc face("Arial", 0);
    CFontDesc fresh("Arial", 17, kBoldFace);
    Offscreen derived(90, 40), plain(90, 40);
    derived->setFont(&face, 17, kBoldFace);
    plain->setFont(&fresh);
    EXPECT_EQ(derived->getStringWidth("Gain 7.5"), plain->getStringWidth("Gain 7.5"));
    drawSample(*derived);
    drawSample(*plain);
    EXPECT_TRUE(samePixels(*derived, *plain));
    derived->setFont(kSystemFont);
    plain->setFont(kSystemFont);
}

TEST(DerivedFont, ManySizesStayUsableAndOutliveAFreedSource) {
    Offscreen ctx(10, 10);
    CFontDesc face("Arial", 0);
    for (int size = 8; size < 40; ++size) {
        ctx->setFont(&face, size);
        EXPECT_GT(ctx->getStringWidth("M"), 0) << size;
    }
    ctx->setFont(&face, 8);
    const double small = ctx->getStringWidth("MMMM");
    face.freePlatformFont(); // as the graphics library's last user leaves
    EXPECT_EQ(ctx->getStringWidth("MMMM"), small)
        << "resolved again after the source let its fonts go";
    ctx->setFont(kSystemFont);
}
