// Gravelo.lv2's UI under a private virtual X server: embedded in the host's
// window, talking only through ports, and gone without a trace when closed.
#include "UiHost.h"
#include "support/HostWindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

namespace gravelo::test::lv2 {
namespace {

using namespace gravelo::lv2;
using display::HostWindow;

constexpr int kWidth = 600, kHeight = 284;
constexpr uint32_t kOutputPort = kFirstControl + 1;

World& world() {
    static World loaded;
    return loaded;
}

size_t openDescriptors() {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                             std::filesystem::directory_iterator()));
}

// The pixels of a box of the panel, row by row.
std::vector<uint32_t> box(const HostWindow& host, const UiHost& ui, int x, int y, int w, int h) {
    const std::vector<uint32_t> all = host.capture(ui.widget(), kWidth, kHeight);
    std::vector<uint32_t> part;
    for (int row = y; row < y + h; ++row)
        part.insert(part.end(), all.begin() + row * kWidth + x, all.begin() + row * kWidth + x + w);
    return part;
}

// The Output knob with its value label.
std::vector<uint32_t> outputKnob(const HostWindow& host, const UiHost& ui) {
    return box(host, ui, 470, 50, 100, 100);
}

TEST(Lv2Ui, OpensInTheParentWindowAtThePanelsSize) {
    HostWindow parent(0, 0, kWidth, kHeight);
    UiHost ui(world(), parent.handle());
    ASSERT_TRUE(ui.open());
    EXPECT_NE(ui.widget(), nullptr);
    EXPECT_EQ(parent.childCount(), 1);
    EXPECT_EQ(ui.width, kWidth);
    EXPECT_EQ(ui.height, kHeight);
    ui.idle(100);
    // The background is drawn: not the parent's black, not one flat colour.
    const std::vector<uint32_t> shown = box(parent, ui, 0, 0, kWidth, kHeight);
    EXPECT_NE(std::count(shown.begin(), shown.end(), shown[0]), static_cast<long>(shown.size()));
    EXPECT_TRUE(ui.writes.empty());
    ui.close();
    EXPECT_EQ(parent.childCount(), 0);
}

TEST(Lv2Ui, WithoutAParentWindowThereIsNoUi) {
    UiHost ui(world(), nullptr);
    EXPECT_FALSE(ui.open());
}

TEST(Lv2Ui, TenOpenCloseCyclesLeaveNothingBehind) {
    HostWindow parent(0, 0, kWidth, kHeight);
    {
        UiHost warmUp(world(), parent.handle()); // fonts and images loaded once
        ASSERT_TRUE(warmUp.open());
        warmUp.idle(50);
    }
    const size_t descriptors = openDescriptors();
    for (int round = 0; round < 10; ++round) {
        UiHost ui(world(), parent.handle());
        ASSERT_TRUE(ui.open());
        EXPECT_EQ(parent.childCount(), 1);
        ui.portEvent(kOutputPort, static_cast<float>(round));
        ui.idle(30);
        ui.close();
        EXPECT_EQ(parent.childCount(), 0);
    }
    EXPECT_EQ(openDescriptors(), descriptors);
}

// What a drag writes beyond what every format's panel does (the route
// suite): the host's echo of the value leaves the knob, and whole-decibel
// ports take whole decibels.
TEST(Lv2Ui, AnEchoedValueLeavesTheKnobAndWholeDecibelPortsTakeWholeDecibels) {
    HostWindow parent(0, 0, kWidth, kHeight);
    UiHost ui(world(), parent.handle());
    ASSERT_TRUE(ui.open());
    ui.idle(100);
    parent.dragInLoop(520, 90, -20, [&](int ms) { ui.idle(ms); });
    ASSERT_FALSE(ui.writes.empty());
    EXPECT_EQ(ui.writes.back(), std::make_pair(kOutputPort, 10.0f));

    // The host sends the value back, as hosts do: the knob stays.
    const std::vector<uint32_t> dragged = outputKnob(parent, ui);
    ui.portEvent(kOutputPort, 10.0f);
    ui.idle(100);
    EXPECT_EQ(outputKnob(parent, ui), dragged);
    EXPECT_EQ(ui.writes.back().second, 10.0f);

    // Quorvel's port takes whole decibels, and so does its knob: 3 px up
    // writes 2, not the 1.5 the host would round anyway.
    parent.moveTo(80, 90);
    ui.idle(80);
    parent.button(1, true);
    ui.idle(80);
    parent.moveTo(80, 87);
    ui.idle(80);
    parent.button(1, false);
    ui.idle(80);
    EXPECT_EQ(ui.writes.back(), std::make_pair(uint32_t{kFirstControl}, 2.0f));
}

// Band 1's meter and the lamp follow the output ports.
TEST(Lv2Ui, TheMetersAndTheLampFollowTheOutputPorts) {
    HostWindow parent(0, 0, kWidth, kHeight);
    UiHost ui(world(), parent.handle());
    ASSERT_TRUE(ui.open());
    ui.portEvent(kFirstMeter, 1.0f);
    ui.idle(100);
    const std::vector<uint32_t> meterAtUnity = box(parent, ui, 200, 70, 200, 11);
    const VSTGUI::Colour unlit = parent.pixel(ui.widget(), 152, 82);
    ui.portEvent(kFirstMeter, 4.0f); // +12 dB: the bar reaches x + 161 in full red
    ui.portEvent(kLamp, 1.0f);
    ui.idle(60);
    const VSTGUI::Colour bar = parent.pixel(ui.widget(), 200 + 150, 75);
    EXPECT_GT(bar.red, 150);
    EXPECT_LT(bar.green, 100);
    EXPECT_NE(box(parent, ui, 200, 70, 200, 11), meterAtUnity);
    const VSTGUI::Colour lit = parent.pixel(ui.widget(), 152, 82);
    EXPECT_GT(lit.red, unlit.red + 40);
    ui.portEvent(kFirstMeter, 1.0f);
    ui.portEvent(kLamp, 0.0f);
    ui.idle(1000); // the lamp fades out over 20 panel frames
    EXPECT_EQ(box(parent, ui, 200, 70, 200, 11), meterAtUnity);
    EXPECT_EQ(parent.pixel(ui.widget(), 152, 82).red, unlit.red);
}

// The host's ui:scaleFactor 2 and then a resize to about 1.5x: the window,
// a drag of 20 panel pixels in physical ones writing +10 dB, a port change
// moving the knob, the aspect kept, and ten rounds at 2 leaving nothing.
TEST(Lv2Ui, TheHostsScaleFactorSizesTheWindowAndTheDragFollowsIt) {
    HostWindow parent(0, 0, 1200, 568);
    UiHost ui(world(), parent.handle(), 2.0f);
    ASSERT_TRUE(ui.open());
    EXPECT_EQ(ui.width * 1000 + ui.height, 1200568) << "the host was told through ui:resize";
    int w = 0, h = 0;
    ASSERT_TRUE(parent.childSize(w, h));
    EXPECT_EQ(w * 1000 + h, 1200568);
    const auto loop = [&](int ms) { ui.idle(ms); };
    loop(100);
    const std::vector<uint32_t> atZero = parent.captureBox(940, 100, 200, 200);
    parent.dragInLoop(1040, 180, -40, loop);
    ASSERT_FALSE(ui.writes.empty());
    EXPECT_EQ(ui.writes.back(), std::make_pair(kOutputPort, 10.0f));
    ui.portEvent(kOutputPort, 0.0f);
    loop(100);
    EXPECT_EQ(parent.captureBox(940, 100, 200, 200), atZero) << "the port change moved it";

    ASSERT_TRUE(ui.resizeUi(905, 500));
    ASSERT_TRUE(parent.childSize(w, h));
    EXPECT_EQ(w * 1000 + h, 905428);
    EXPECT_NEAR(double(w) / h, 600.0 / 284.0, 0.005);
    ASSERT_TRUE(ui.resizeUi(900, 426));
    loop(100);
    ui.writes.clear();
    parent.dragInLoop(780, 135, -30, loop);
    ASSERT_FALSE(ui.writes.empty());
    EXPECT_EQ(ui.writes.back(), std::make_pair(kOutputPort, 10.0f));
    ui.close();

    const size_t descriptors = openDescriptors();
    for (int round = 0; round < 10; ++round) {
        UiHost again(world(), parent.handle(), 2.0f);
        ASSERT_TRUE(again.open());
        again.idle(20);
        again.close();
        EXPECT_EQ(parent.childCount(), 0);
    }
    EXPECT_EQ(openDescriptors(), descriptors);
}

} // namespace
} // namespace gravelo::test::lv2
