// Which pixels of a repaint reach the X server: only those that differ
// from what it shows, and all of an area it lost. No display needed.
#include "toolkit/platform/x11/ShownPicture.h"

#include <gtest/gtest.h>

#include <vector>

using VSTGUI::platform::PixelBox;
using VSTGUI::platform::ShownPicture;

namespace {

constexpr int kWidth = 40, kHeight = 30;

// An opaque picture as the back buffer holds it (stride padded as Cairo may).
struct Picture {
    static constexpr int kStride = kWidth * 4 + 16;
    std::vector<unsigned char> bytes = std::vector<unsigned char>(size_t(kStride) * kHeight, 0);
    Picture() {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                set(x, y, 0xff202020u);
    }
    void set(int x, int y, uint32_t argb) {
        *reinterpret_cast<uint32_t*>(bytes.data() + size_t(y) * kStride + size_t(x) * 4) = argb;
    }
    const unsigned char* data() const { return bytes.data(); }
};

constexpr PixelBox kWhole{0, 0, kWidth, kHeight};

bool same(const PixelBox& a, const PixelBox& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

// A copy that has already sent picture once.
ShownPicture shownAfterFirstSend(const Picture& picture) {
    ShownPicture shown;
    shown.reset(kWidth, kHeight);
    shown.takeChanges(picture.data(), Picture::kStride, kWhole);
    return shown;
}

} // namespace

TEST(ShownPicture, AFreshWindowGetsTheWholeAreaEvenWhenBlack) {
    Picture picture;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            picture.set(x, y, 0); // transparent black
    ShownPicture shown;
    shown.reset(kWidth, kHeight);
    const auto changes = shown.takeChanges(picture.data(), Picture::kStride, kWhole);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(same(changes[0], kWhole));
}

TEST(ShownPicture, AnUnchangedRepaintSendsNothing) {
    Picture picture;
    ShownPicture shown = shownAfterFirstSend(picture);
    EXPECT_TRUE(shown.takeChanges(picture.data(), Picture::kStride, kWhole).empty());
}

TEST(ShownPicture, OneChangedPixelIsOnePixelBox) {
    Picture picture;
    ShownPicture shown = shownAfterFirstSend(picture);
    picture.set(7, 11, 0xffff0000u);
    const auto changes = shown.takeChanges(picture.data(), Picture::kStride, kWhole);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(same(changes[0], {7, 11, 1, 1}));
    EXPECT_TRUE(shown.takeChanges(picture.data(), Picture::kStride, kWhole).empty()) << "sent once";
}

TEST(ShownPicture, ChangesOnAdjacentRowsJoinAndSeparatedOnesDoNot) {
    Picture picture;
    ShownPicture shown = shownAfterFirstSend(picture);
    picture.set(3, 4, 0xff00ff00u);
    picture.set(9, 5, 0xff00ff00u);
    picture.set(20, 20, 0xff0000ffu);
    const auto changes = shown.takeChanges(picture.data(), Picture::kStride, kWhole);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_TRUE(same(changes[0], {3, 4, 7, 2}));
    EXPECT_TRUE(same(changes[1], {20, 20, 1, 1}));
}

TEST(ShownPicture, ChangesOutsideTheRepaintedAreaWaitForTheirOwnRepaint) {
    Picture picture;
    ShownPicture shown = shownAfterFirstSend(picture);
    picture.set(30, 2, 0xffffffffu);
    EXPECT_TRUE(shown.takeChanges(picture.data(), Picture::kStride, {0, 0, 20, 20}).empty());
    const auto changes = shown.takeChanges(picture.data(), Picture::kStride, {25, 0, 100, 100});
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(same(changes[0], {30, 2, 1, 1}));
}

TEST(ShownPicture, AForgottenAreaIsSentAgainThoughUnchanged) {
    Picture picture;
    ShownPicture shown = shownAfterFirstSend(picture);
    shown.forget({35, 25, 20, 20}); // reaches past the edge
    const auto changes = shown.takeChanges(picture.data(), Picture::kStride, kWhole);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(same(changes[0], {35, 25, 5, 5}));
}

TEST(ShownPicture, ResetForgetsEverything) {
    Picture picture;
    ShownPicture shown = shownAfterFirstSend(picture);
    shown.reset(kWidth, kHeight);
    const auto changes = shown.takeChanges(picture.data(), Picture::kStride, kWhole);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(same(changes[0], kWhole));
}
