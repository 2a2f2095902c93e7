// Bitmaps: blank, from embedded resources and files, and drawn opaque or
// alpha-blended onto a context.
#include "PixelProbe.h"

#include "tests/support/PngSize.h"
#include "toolkit/ResourceTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace VSTGUI;
using gravelo::test::Offscreen;
using gravelo::test::pixelAt;

namespace {

constexpr Colour kRed{255, 0, 0, 255};
constexpr Colour kGreen{0, 255, 0, 255};

// A 10 x 10 source: left half red, right half green.
struct TwoColourSource {
    TwoColourSource() {
        ctx->setFillColor(kRed);
        ctx->drawRect(ViewRect(0, 0, 5, 10), kDrawFilled);
        ctx->setFillColor(kGreen);
        ctx->drawRect(ViewRect(5, 0, 10, 10), kDrawFilled);
    }
    CBitmap* bitmap() const { return ctx->getBitmap(); }
    Offscreen ctx{10, 10};
};

} // namespace

TEST(BlankBitmap, SizeAndDefaults) {
    CBitmap* bitmap = new CBitmap(nullptr, 7, 3);
    EXPECT_EQ(bitmap->getWidth(), 7);
    EXPECT_EQ(bitmap->getHeight(), 3);
    EXPECT_EQ(bitmap->getPixel(6, 2), kTransparentColour);
    EXPECT_EQ(bitmap->getTransparentColor(), (Colour{255, 255, 255, 0}));
    EXPECT_TRUE(bitmap->getNoAlpha());
    EXPECT_EQ(bitmap->getResourceDescription().type, CResourceDescription::kUnknownType);
    bitmap->setTransparentColor({1, 2, 3, 4});
    bitmap->setNoAlpha(false);
    EXPECT_EQ(bitmap->getTransparentColor(), (Colour{1, 2, 3, 4}));
    EXPECT_FALSE(bitmap->getNoAlpha());
    bitmap->forget();
}

TEST(BitmapDraw, CopiesTheSourceAreaWithoutScaling) {
    TwoColourSource source;
    Offscreen target(20, 20);
    target->setOffset({2, 1});
    source.bitmap()->draw(target.context, ViewRect(3, 4, 7, 8), ViewPoint(4, 0));
    // Source columns 4..7: one red, then green; placed at 5..8 by the offset.
    EXPECT_EQ(pixelAt(*target, 5, 5), kRed);
    EXPECT_EQ(pixelAt(*target, 6, 5), kGreen);
    EXPECT_EQ(pixelAt(*target, 8, 8), kGreen);
    const auto box = gravelo::test::drawnBox(*target);
    EXPECT_EQ(box.count, 16);
    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.top, 5);
}

TEST(BitmapDraw, AlphaBlend255IsUnchangedAnd128IsAboutHalf) {
    TwoColourSource source;
    Offscreen opaque(10, 10), half(10, 10), onWhite(10, 10);
    source.bitmap()->drawAlphaBlend(opaque.context, ViewRect(0, 0, 10, 10), {}, 255);
    source.bitmap()->drawAlphaBlend(half.context, ViewRect(0, 0, 10, 10), {}, 128);
    onWhite->setFillColor(kWhiteColour);
    onWhite->drawRect(ViewRect(0, 0, 10, 10), kDrawFilled);
    source.bitmap()->drawAlphaBlend(onWhite.context, ViewRect(0, 0, 10, 10), {}, 128);

    EXPECT_EQ(pixelAt(*opaque, 2, 2), kRed);
    EXPECT_EQ(pixelAt(*opaque, 7, 7), kGreen);
    const Colour halfRed = pixelAt(*half, 2, 2);
    EXPECT_NEAR(halfRed.alpha, 128, 1);
    EXPECT_NEAR(halfRed.red, 255, 2) << "the colour is kept, only opacity scales";
    const Colour pink = pixelAt(*onWhite, 2, 2);
    EXPECT_EQ(pink.red, 255);
    EXPECT_NEAR(pink.green, 127, 2);
    EXPECT_NEAR(pink.blue, 127, 2);
}

TEST(BitmapDraw, DrawAndDrawTransparentAreOpaqueCopies) {
    TwoColourSource source;
    Offscreen viaDraw(10, 10), viaTransparent(10, 10);
    source.bitmap()->setTransparentColor(kRed);
    source.bitmap()->draw(viaDraw.context, ViewRect(0, 0, 10, 10));
    source.bitmap()->drawTransparent(viaTransparent.context, ViewRect(0, 0, 10, 10));
    EXPECT_EQ(pixelAt(*viaDraw, 1, 1), kRed);
    EXPECT_EQ(pixelAt(*viaTransparent, 1, 1), kRed)
        << "the transparent colour does not change drawing";
}

TEST(ResourceBitmap, Number2LoadsAtThePngsPixelSize) {
    const ResourceData led = findResource(2);
    ASSERT_TRUE(led.found());
    ASSERT_GT(led.size, 24u);
    CBitmap* bitmap = new CBitmap(CResourceDescription(2));
    EXPECT_EQ(bitmap->getWidth(), gravelo::test::support::pngSize(led.data, led.size).width);
    EXPECT_EQ(bitmap->getHeight(), gravelo::test::support::pngSize(led.data, led.size).height);
    EXPECT_EQ(bitmap->getWidth(), 6);
    EXPECT_EQ(bitmap->getHeight(), 60);
    EXPECT_EQ(bitmap->getResourceDescription().type, CResourceDescription::kIntegerType);
    bitmap->forget();
}

TEST(ResourceBitmap, MissingNumberOrNameGivesZeroSize) {
    CBitmap* missing = new CBitmap(CResourceDescription(99));
    EXPECT_EQ(missing->getWidth(), 0);
    EXPECT_EQ(missing->getHeight(), 0);
    EXPECT_FALSE(missing->isLoaded());
    missing->forget();
    CBitmap* unnamed = new CBitmap(CResourceDescription("nothing.png"));
    EXPECT_FALSE(unnamed->isLoaded());
    unnamed->forget();
    EXPECT_FALSE(findResource(-1).found());
}

TEST(ResourceBitmap, ByFileNameAndReloadReplaces) {
    CBitmap* bitmap = new CBitmap(CResourceDescription("bg.png"));
    EXPECT_EQ(bitmap->getWidth(), 600);
    EXPECT_EQ(bitmap->getHeight(), 284);
    EXPECT_FALSE(bitmap->loadFromResource(CResourceDescription(77)));
    EXPECT_EQ(bitmap->getWidth(), 0) << "a failed load leaves no old image behind";
    bitmap->forget();
}

TEST(FileBitmap, WrittenPngReadsBackAndMissingFileIsEmpty) {
    TwoColourSource source;
    const std::string path = testing::TempDir() + "gravelo_bitmap_test.png";
    ASSERT_TRUE(source.bitmap()->writePng(path.c_str()));
    CBitmap* loaded = new CBitmap();
    EXPECT_TRUE(loaded->loadFromFile(path.c_str()));
    EXPECT_EQ(loaded->getWidth(), 10);
    EXPECT_EQ(loaded->getHeight(), 10);
    EXPECT_EQ(loaded->getPixel(1, 1), kRed);
    EXPECT_EQ(loaded->getPixel(8, 8), kGreen);
    EXPECT_FALSE(loaded->loadFromFile((path + ".missing").c_str()));
    EXPECT_EQ(loaded->getWidth(), 0);
    loaded->forget();
    std::remove(path.c_str());
}
