// Rectangles, clipping, offsets, lines, points, ellipses, arcs, polygons
// and smoothing, read back pixel by pixel.
#include "PixelProbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

using namespace VSTGUI;
using gravelo::test::drawnBox;
using gravelo::test::isDrawn;
using gravelo::test::Offscreen;
using gravelo::test::pixelAt;

namespace {

constexpr Colour kRed{255, 0, 0, 255};
constexpr Colour kBlue{0, 0, 255, 255};

bool samePixels(COffscreenContext& a, COffscreenContext& b) {
    for (int y = 0; y < int(a.getHeight()); ++y)
        for (int x = 0; x < int(a.getWidth()); ++x)
            if (pixelAt(a, x, y) != pixelAt(b, x, y)) return false;
    return true;
}

} // namespace

TEST(DrawRect, FillCoversLeftToRightMinusOne) {
    Offscreen ctx(20, 20);
    ctx->setFillColor(kRed);
    ctx->drawRect(ViewRect(2, 3, 12, 9), kDrawFilled);
    const auto box = drawnBox(*ctx);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.top, 3);
    EXPECT_EQ(box.right, 11);
    EXPECT_EQ(box.bottom, 8);
    EXPECT_EQ(box.count, 10 * 6);
    EXPECT_EQ(pixelAt(*ctx, 7, 5), kRed);
}

TEST(DrawRect, SwappedCornersFillTheSameArea) {
    Offscreen ordered(20, 20), swapped(20, 20), mixed(20, 20);
    for (COffscreenContext* c : {ordered.context, swapped.context, mixed.context})
        c->setFillColor(kRed);
    ordered->drawRect(ViewRect(2, 3, 12, 9), kDrawFilled);
    swapped->drawRect(ViewRect(12, 9, 2, 3), kDrawFilled);
    mixed->drawRect(ViewRect(12, 3, 2, 9), kDrawFilledAndStroked);
    EXPECT_TRUE(samePixels(*ordered, *swapped));
    EXPECT_EQ(drawnBox(*mixed).count, drawnBox(*ordered).count);
}

TEST(DrawRect, OutlineRunsOnePixelInsideTheFilledAreasFarEdges) {
    Offscreen ctx(20, 20);
    ctx->setFrameColor(kBlue);
    ctx->drawRect(ViewRect(2, 3, 12, 9), kDrawStroked);
    // The outline's path is one pixel narrower and shorter than the filled
    // area, so its pixels lie on the filled area's border.
    EXPECT_EQ(pixelAt(*ctx, 2, 3), kBlue);
    EXPECT_EQ(pixelAt(*ctx, 11, 3), kBlue);
    EXPECT_EQ(pixelAt(*ctx, 11, 8), kBlue);
    EXPECT_EQ(pixelAt(*ctx, 2, 8), kBlue);
    EXPECT_FALSE(isDrawn(*ctx, 12, 5)) << "nothing at rect.right";
    EXPECT_FALSE(isDrawn(*ctx, 6, 9)) << "nothing at rect.bottom";
    EXPECT_FALSE(isDrawn(*ctx, 6, 5)) << "hollow";
    EXPECT_EQ(drawnBox(*ctx).count, 2 * 10 + 2 * 4);
}

TEST(DrawRect, FilledAndOutlinedGivesABorderedFill) {
    Offscreen ctx(20, 20);
    ctx->setFillColor(kRed);
    ctx->setFrameColor(kBlue);
    ctx->drawRect(ViewRect(2, 3, 12, 9), kDrawFilledAndStroked);
    EXPECT_EQ(pixelAt(*ctx, 11, 8), kBlue);
    EXPECT_EQ(pixelAt(*ctx, 6, 5), kRed);
    EXPECT_EQ(drawnBox(*ctx).count, 10 * 6);
}

TEST(DrawContextClip, SetGetAndReset) {
    Offscreen ctx(30, 30);
    ViewRect clip;
    EXPECT_EQ(ctx->getClipRect(clip), ViewRect(0, 0, 30, 30));
    ctx->setClipRect(ViewRect(5, 6, 15, 16));
    EXPECT_EQ(ctx->getClipRect(clip), ViewRect(5, 6, 15, 16));
    ctx->setFillColor(kRed);
    ctx->drawRect(ViewRect(0, 0, 30, 30), kDrawFilled);
    auto box = drawnBox(*ctx);
    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.top, 6);
    EXPECT_EQ(box.right, 14);
    EXPECT_EQ(box.bottom, 15);

    ctx->resetClipRect();
    EXPECT_EQ(ctx->getClipRect(clip), ViewRect(0, 0, 30, 30));
    ctx->drawRect(ViewRect(0, 0, 30, 30), kDrawFilled);
    EXPECT_EQ(drawnBox(*ctx).count, 30 * 30);
}

TEST(DrawContextClip, ReplacesRatherThanNarrows) {
    Offscreen ctx(30, 30);
    ctx->setClipRect(ViewRect(0, 0, 5, 5));
    ctx->setClipRect(ViewRect(20, 20, 25, 25));
    ctx->setFillColor(kRed);
    ctx->drawRect(ViewRect(0, 0, 30, 30), kDrawFilled);
    EXPECT_FALSE(isDrawn(*ctx, 2, 2));
    EXPECT_TRUE(isDrawn(*ctx, 22, 22));
}

TEST(DrawContextOffset, AddedToShapesPenAndClip) {
    Offscreen ctx(30, 30);
    ctx->setOffset({10, 5});
    ctx->setFillColor(kRed);
    ctx->drawRect(ViewRect(0, 0, 4, 4), kDrawFilled);
    auto box = drawnBox(*ctx);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 5);
    EXPECT_EQ(box.right, 13);
    EXPECT_EQ(box.bottom, 8);

    ctx->moveTo({1, 2});
    EXPECT_EQ(ctx->getPenPosition(), ViewPoint(11, 7)) << "the pen is kept in device coordinates";

    ViewRect clip;
    ctx->setClipRect(ViewRect(0, 0, 2, 2));
    EXPECT_EQ(ctx->getClipRect(clip), ViewRect(0, 0, 2, 2));
    ctx->setOffset({});
    EXPECT_EQ(ctx->getClipRect(clip), ViewRect(10, 5, 12, 7)) << "stored in device coordinates";
}

TEST(DrawLine, TruncatesAndLeavesTheEndPixelOut) {
    Offscreen ctx(20, 20);
    ctx->setFrameColor(kBlue);
    ctx->moveTo({2.9, 4.7});
    ctx->lineTo({8.6, 4.2});
    EXPECT_EQ(ctx->getPenPosition(), ViewPoint(8.6, 4.2));
    const auto box = drawnBox(*ctx);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.right, 7);
    EXPECT_EQ(box.top, 4);
    EXPECT_EQ(box.bottom, 4);
    EXPECT_EQ(pixelAt(*ctx, 5, 4), kBlue);
}

TEST(DrawLine, WidthAndDots) {
    Offscreen wide(20, 20), dotted(40, 5);
    wide->setLineWidth(3);
    wide->moveTo({5, 10});
    wide->lineTo({5, 0});
    EXPECT_EQ(drawnBox(*wide).right - drawnBox(*wide).left + 1, 3);

    dotted->setLineStyle(kLineOnOffDash);
    dotted->moveTo({0, 2});
    dotted->lineTo({40, 2});
    const int lit = drawnBox(*dotted).count;
    EXPECT_GT(lit, 10);
    EXPECT_LT(lit, 30) << "gaps between the dots";
}

TEST(DrawPoint, ExactlyOnePixelAndPenRestored) {
    Offscreen ctx(10, 10);
    ctx->setLineWidth(4);
    ctx->drawPoint({3, 6}, kRed);
    EXPECT_EQ(pixelAt(*ctx, 3, 6), kRed);
    EXPECT_EQ(drawnBox(*ctx).count, 1);
    EXPECT_EQ(ctx->getFrameColor(), kWhiteColour);
    EXPECT_EQ(ctx->getLineWidth(), 4);
}

TEST(DrawEllipse, FillsTheInscribedEllipse) {
    Offscreen ctx(30, 30);
    ctx->setFillColor(kRed);
    ctx->drawEllipse(ViewRect(25, 25, 5, 5), kDrawFilled);
    EXPECT_TRUE(isDrawn(*ctx, 15, 15));
    EXPECT_TRUE(isDrawn(*ctx, 6, 15)) << "reaches the left side";
    EXPECT_FALSE(isDrawn(*ctx, 6, 6)) << "corners stay empty";
    EXPECT_FALSE(isDrawn(*ctx, 25, 15)) << "nothing at rect.right";
    Offscreen outline(30, 30);
    outline->drawEllipse(ViewRect(5, 5, 25, 25), kDrawStroked);
    EXPECT_FALSE(isDrawn(*outline, 15, 15));
    EXPECT_TRUE(isDrawn(*outline, 5, 15));
}

TEST(DrawArc, From270To90SweepsTheRightHalf) {
    Offscreen ctx(40, 40), leftHalf(40, 40);
    ctx->setFillColor(kRed);
    ctx->drawArc(ViewRect(0, 0, 40, 40), 270, 90, kDrawFilled);
    EXPECT_TRUE(isDrawn(*ctx, 32, 20));
    EXPECT_TRUE(isDrawn(*ctx, 22, 5)) << "from the top";
    EXPECT_TRUE(isDrawn(*ctx, 22, 35)) << "to the bottom";
    EXPECT_FALSE(isDrawn(*ctx, 8, 20)) << "180 degrees, not 540 nor -180";

    leftHalf->setFillColor(kRed);
    leftHalf->drawArc(ViewRect(0, 0, 40, 40), 90, 270, kDrawFilled);
    EXPECT_TRUE(isDrawn(*leftHalf, 8, 20));
    EXPECT_FALSE(isDrawn(*leftHalf, 32, 20));
}

TEST(DrawArc, OutlineFollowsTheEllipse) {
    Offscreen ctx(40, 40);
    ctx->drawArc(ViewRect(0, 0, 40, 40), 0, 90, kDrawStroked);
    const auto box = drawnBox(*ctx);
    EXPECT_GE(box.left, 19) << "a quarter: right to bottom";
    EXPECT_GE(box.top, 19);
    EXPECT_FALSE(isDrawn(*ctx, 30, 30)) << "outline only";
}

TEST(DrawPolygon, FilledClosedAndOpen) {
    const ViewPoint triangle[] = {{2, 2}, {18, 2}, {2, 18}};
    Offscreen filled(20, 20), open(20, 20);
    filled->setFillColor(kRed);
    filled->drawPolygon(triangle, 3, kDrawFilled);
    EXPECT_TRUE(isDrawn(*filled, 5, 5));
    EXPECT_FALSE(isDrawn(*filled, 15, 15));

    open->drawPolygon(triangle, 3, kDrawStroked, false);
    EXPECT_TRUE(isDrawn(*open, 10, 2));
    EXPECT_TRUE(isDrawn(*open, 10, 10)) << "the diagonal";
    EXPECT_FALSE(isDrawn(*open, 2, 10)) << "no closing edge back to the start";
}

TEST(DrawPolygon, MoreThanThirtyPoints) {
    std::vector<ViewPoint> circle;
    for (int i = 0; i < 48; ++i) {
        const double a = 2 * std::numbers::pi * i / 48;
        circle.push_back({20 + 15 * std::cos(a), 20 + 15 * std::sin(a)});
    }
    Offscreen ctx(40, 40);
    ctx->setOffset({-10, 0});
    ctx->setFillColor(kRed);
    ctx->drawPolygon(circle.data(), int32_t(circle.size()), kDrawFilled);
    EXPECT_TRUE(isDrawn(*ctx, 10, 20));
    EXPECT_FALSE(isDrawn(*ctx, 30, 20));
}

TEST(DrawMode, OnlyMode3Smooths) {
    auto partialPixels = [](int32_t mode) {
        Offscreen ctx(30, 30);
        ctx->setDrawMode(mode);
        ctx->setFillColor(kRed);
        ctx->drawEllipse(ViewRect(0, 0, 30, 30), kDrawFilled);
        return gravelo::test::boxOf(*ctx, [](Colour c) { return c.alpha != 0 && c.alpha != 255; })
            .count;
    };
    EXPECT_EQ(partialPixels(kCopyMode), 0);
    EXPECT_EQ(partialPixels(kXorMode), 0);
    EXPECT_GT(partialPixels(kAntialias), 10);
}
