// A new context's defaults, font selection, reference counting and the
// context without any target.
#include "PixelProbe.h"

#include "toolkit/GraphicsGlobals.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using gravelo::test::Offscreen;
using gravelo::test::pixelAt;

TEST(DrawContextDefaults, OutlinesWhiteFillsBlackTextWhiteArial12) {
    Offscreen ctx(60, 40);
    EXPECT_EQ(ctx->getFrameColor(), kWhiteColour);
    EXPECT_EQ(ctx->getFillColor(), kBlackColour);
    EXPECT_EQ(ctx->getFontColor(), kWhiteColour);
    EXPECT_EQ(ctx->getFont(), kSystemFont) << "the first shared description itself";
    EXPECT_EQ(ctx->getFont()->getName(), "Arial");
    EXPECT_EQ(ctx->getFont()->getSize(), 12);
    EXPECT_EQ(ctx->getFont()->getStyle(), 0);
    EXPECT_EQ(ctx->getLineWidth(), 1);
    EXPECT_EQ(ctx->getLineStyle(), kLineSolid);
    EXPECT_EQ(ctx->getDrawMode(), kCopyMode);

    ctx->drawRect(ViewRect(0, 0, 10, 10), kDrawFilled);
    EXPECT_EQ(pixelAt(*ctx, 5, 5), kBlackColour);
    ctx->drawRect(ViewRect(20, 0, 30, 10), kDrawStroked);
    EXPECT_EQ(pixelAt(*ctx, 20, 5), kWhiteColour);

    Offscreen text(60, 40);
    text->drawStringInRect("HH", ViewRect(0, 15, 60, 40), kLeftText, false);
    const auto white = gravelo::test::boxOf(*text, [](Colour c) { return c == kWhiteColour; });
    EXPECT_GT(white.count, 10) << "aliased text in opaque white";
    EXPECT_EQ(white.count, gravelo::test::drawnBox(*text).count) << "nothing but opaque white";
}

TEST(DrawContextDefaults, GetPointAnswersOpaqueBlackEverywhere) {
    Offscreen ctx(10, 10);
    ctx->setFillColor({255, 0, 0, 255});
    ctx->drawRect(ViewRect(0, 0, 10, 10), kDrawFilled);
    EXPECT_EQ(ctx->getPoint({5, 5}), kBlackColour);
    EXPECT_EQ(ctx->getPoint({-3, 400}), kBlackColour);
}

TEST(DrawContextDefaults, OffscreenStartsTransparentAndRecordsBackground) {
    Offscreen ctx(8, 8);
    EXPECT_EQ(gravelo::test::drawnBox(*ctx).count, 0);
    COffscreenContext* red = new COffscreenContext(nullptr, -8, 4, {255, 0, 0, 255});
    EXPECT_EQ(red->getBackgroundColour(), (Colour{255, 0, 0, 255}));
    EXPECT_EQ(red->getBitmap()->getWidth(), 8) << "negative sizes are taken by magnitude";
    EXPECT_EQ(red->getBitmap()->getPixel(0, 0).alpha, 0)
        << "the background is recorded, not painted";
    red->forget();
}

TEST(DrawContextFont, SizeZeroAndStyleMinusOneKeepTheDescriptionItself) {
    Offscreen ctx(10, 10);
    const int32_t before = kNormalFontSmall->getNbReference();
    ctx->setFont(kNormalFontSmall, 0, -1);
    EXPECT_EQ(ctx->getFont(), kNormalFontSmall);
    EXPECT_EQ(kNormalFontSmall->getNbReference(), before + 1);
    ctx->setFont(kNormalFontSmall, 11, 0);
    EXPECT_EQ(ctx->getFont(), kNormalFontSmall) << "equal size and style also keep it";
    EXPECT_EQ(kNormalFontSmall->getNbReference(), before + 1);
    ctx->setFont(kSystemFont);
    EXPECT_EQ(kNormalFontSmall->getNbReference(), before) << "the old font is released";
}

TEST(DrawContextFont, OtherSizeOrStyleMakesANewDescription) {
    Offscreen ctx(10, 10);
    ctx->setFont(kNormalFont, 20, -1);
    EXPECT_NE(ctx->getFont(), kNormalFont);
    EXPECT_EQ(ctx->getFont()->getName(), "Arial");
    EXPECT_EQ(ctx->getFont()->getSize(), 20);
    EXPECT_EQ(ctx->getFont()->getStyle(), 0);
    ctx->setFont(kNormalFont, 0, kBoldFace);
    EXPECT_EQ(ctx->getFont()->getSize(), 12);
    EXPECT_EQ(ctx->getFont()->getStyle(), kBoldFace);
    CFontDesc* current = ctx->getFont();
    ctx->setFont(nullptr);
    EXPECT_EQ(ctx->getFont(), current) << "a null description changes nothing";
}

TEST(DrawContextFont, ReselectingTheOnlyHeldFontKeepsItAlive) {
    Offscreen ctx(10, 10);
    CFontDesc* own = new CFontDesc("Arial", 15);
    ctx->setFont(own);
    own->forget(); // the context now holds the last reference
    ctx->setFont(ctx->getFont());
    ASSERT_EQ(ctx->getFont(), own);
    EXPECT_EQ(own->getNbReference(), 1);
    EXPECT_EQ(own->getSize(), 15);
}

TEST(SharedFonts, EightPlainDescriptions) {
    const char* names[] = {"Arial", "Arial", "Arial", "Arial", "Arial", "Arial", "Arial", "Symbol"};
    const double sizes[] = {12, 18, 14, 12, 11, 10, 9, 13};
    for (int i = 0; i < kSharedFontCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(sharedFontDescription(i)->getName(), names[i]);
        EXPECT_EQ(sharedFontDescription(i)->getSize(), sizes[i]);
        EXPECT_EQ(sharedFontDescription(i)->getStyle(), 0);
    }
    EXPECT_EQ(sharedFontDescription(0), kSystemFont);
    EXPECT_EQ(sharedFontDescription(8), nullptr);
}

TEST(SharedFonts, AnExtraForgetNeverDeletesThem) {
    const int32_t before = kSymbolFont->getNbReference();
    kSymbolFont->forget();
    kSymbolFont->forget();
    EXPECT_GE(kSymbolFont->getNbReference(), 1);
    EXPECT_LE(kSymbolFont->getNbReference(), before);
    EXPECT_EQ(kSymbolFont->getName(), "Symbol");
}

TEST(ReferenceCounting, RememberAndForget) {
    CFontDesc* desc = new CFontDesc("Arial", 10);
    EXPECT_EQ(desc->getNbReference(), 1);
    desc->remember();
    EXPECT_EQ(desc->getNbReference(), 2);
    desc->forget();
    EXPECT_EQ(desc->getNbReference(), 1);
    EXPECT_EQ(desc->notify(nullptr, "anything"), kMessageUnknown);
    desc->forget(); // deletes; the sanitizer build reports a leak otherwise

    COffscreenContext* ctx = new COffscreenContext(nullptr, 4, 4);
    EXPECT_EQ(ctx->getNbReference(), 1);
    EXPECT_EQ(ctx->getBitmap()->getNbReference(), 1);
    ctx->forget();
}

TEST(GraphicsGlobals, CountsUsersAndDropsSharedPlatformFontsAtTheEnd) {
    ASSERT_EQ(GraphicsGlobals::referenceCount(), 0) << "no bitmap or frame alive between tests";
    CBitmap* first = new CBitmap(nullptr, 2, 2);
    CBitmap* second = new CBitmap(nullptr, 2, 2);
    EXPECT_EQ(GraphicsGlobals::referenceCount(), 2);
    ASSERT_NE(kNormalFontBig->getPlatformFont(), nullptr);
    first->forget();
    EXPECT_EQ(GraphicsGlobals::referenceCount(), 1);
    EXPECT_TRUE(kNormalFontBig->hasPlatformFont()) << "kept while the library is in use";
    second->forget();
    EXPECT_EQ(GraphicsGlobals::referenceCount(), 0);
    EXPECT_FALSE(kNormalFontBig->hasPlatformFont());
}

TEST(DrawContextWithoutTarget, DrawsNothingAndMeasuresMinusOne) {
    CDrawContext* ctx = new CDrawContext(nullptr, DrawTarget{});
    EXPECT_EQ(ctx->getStringWidth("text"), -1);
    ctx->drawRect(ViewRect(0, 0, 10, 10), kDrawFilledAndStroked);
    ctx->drawString("text", {0, 10});
    ctx->lineTo({10, 10});
    EXPECT_EQ(ctx->getPenPosition(), ViewPoint(10, 10)) << "the pen still moves";
    ViewRect clip;
    EXPECT_EQ(ctx->getClipRect(clip), ViewRect(0, 0, 1000, 1000)) << "no frame: the default clip";
    ViewPoint mouse(7, 7);
    ctx->getMouseLocation(mouse);
    EXPECT_EQ(mouse, ViewPoint(7, 7)) << "no window to ask";
    ctx->forget();
}

TEST(DrawContextMouse, PointerMinusWindowOrigin) {
    DrawTarget target;
    target.windowOrigin = {100, 50};
    target.pointerQuery = [](void*, ViewPoint& screen) {
        screen = {130, 75};
        return true;
    };
    CDrawContext* ctx = new CDrawContext(nullptr, target);
    ViewPoint mouse;
    ctx->getMouseLocation(mouse);
    EXPECT_EQ(mouse, ViewPoint(30, 25));
    ctx->forget();
}
