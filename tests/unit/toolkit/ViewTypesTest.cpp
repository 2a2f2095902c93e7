#include "toolkit/ViewTypes.h"
#include "toolkit/Colour.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

TEST(ViewRect, SizeOffsetAndContains) {
    ViewRect r(10, 20, 40, 30);
    EXPECT_EQ(r.width(), 30);
    EXPECT_EQ(r.height(), 10);
    r.offset(5, -5);
    EXPECT_EQ(r, ViewRect(15, 15, 45, 25));
    EXPECT_TRUE(r.contains({15, 15}));
    EXPECT_FALSE(r.contains({45, 20})) << "the right edge lies outside";
    EXPECT_FALSE(r.contains({20, 25})) << "the bottom edge lies outside";
}

TEST(ViewRect, NormaliseOrdersCorners) {
    ViewRect r(40, 30, 10, 20);
    r.normalise();
    EXPECT_EQ(r, ViewRect(10, 20, 40, 30));
}

TEST(ViewRect, IntersectKeepsSharedAreaAndNeverGoesNegative) {
    ViewRect a(0, 0, 20, 20);
    a.intersect(ViewRect(10, 5, 30, 15));
    EXPECT_EQ(a, ViewRect(10, 5, 20, 15));
    ViewRect apart(0, 0, 10, 10);
    apart.intersect(ViewRect(20, 20, 30, 30));
    EXPECT_TRUE(apart.isEmpty());
    EXPECT_GE(apart.width(), 0);
    EXPECT_GE(apart.height(), 0);
}

TEST(Colour, PacksRedIntoTheLowByte) {
    const Colour c{0x11, 0x22, 0x33, 0x44};
    EXPECT_EQ(c.packed(), 0x44332211u);
    EXPECT_EQ(Colour::fromPacked(0x44332211u), c);
    EXPECT_EQ(kBlackColour.packed(), 0xff000000u);
    EXPECT_EQ(kWhiteColour.packed(), 0xffffffffu);
}
