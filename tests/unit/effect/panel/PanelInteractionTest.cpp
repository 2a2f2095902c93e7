#include "PanelPicture.h"
#include "effect/TVobrixEffect.h"
#include "support/HostChange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

namespace {

constexpr int32_t kLeft = 2;
constexpr int32_t kControl = 32;

// The mouse as the view reports it, one frame drawn after each event.
class PanelInteraction : public ::testing::Test {
  protected:
    double slider(int n) { return picture.effect().sliderValues[n].load(); }
    // The pointer arrives over the press point first, as a real one does.
    void press(double x, double y, int32_t buttons = kLeft) {
        picture.mouseMoved(x, y, 0);
        picture.drawFrame();
        picture.mouseDown(x, y, buttons);
        picture.drawFrame();
    }
    void drag(double x, double y) {
        picture.mouseMoved(x, y, kLeft);
        picture.drawFrame();
    }
    void release(double x, double y) {
        picture.mouseUp(x, y, kLeft);
        picture.drawFrame();
    }
    PanelPicture picture;
};

TEST_F(PanelInteraction, DraggingOutputUpRaisesItHalfADecibelPerPixel) {
    picture.drawFrame();
    press(520, 90);
    drag(520, 70);
    EXPECT_EQ(slider(2), 10.0);
    release(520, 70);
    press(520, 90);
    drag(520, 80);
    EXPECT_EQ(slider(2), 15.0) << "a second drag continues from the new value";
    drag(520, 200);
    EXPECT_EQ(slider(2), -20.0) << "clamped at the knob's minimum";
    drag(300, 40);
    EXPECT_EQ(slider(2), 20.0) << "the drag follows the pointer outside the knob";
}

// The frames see the pointer only now and then: the last one before the
// press may have seen it far away, and it may move before the next one.
TEST_F(PanelInteraction, TheDragCountsFromWhereTheButtonWentDownNotFromAFrame) {
    picture.mouseMoved(10, 270, 0);
    picture.drawFrame();
    picture.mouseDown(520, 90, kLeft);
    picture.drawFrame();
    picture.drawFrame();
    EXPECT_EQ(slider(2), 0.0) << "a press alone moves nothing";
    release(520, 90);
    picture.mouseMoved(10, 270, 0);
    picture.drawFrame();
    picture.mouseDown(520, 90, kLeft);
    picture.mouseMoved(520, 80, kLeft);
    picture.drawFrame();
    EXPECT_EQ(slider(2), 5.0) << "ten pixels up from the press";
}

// A frame first sees a release it missed as the pointer there with the
// button held: the drag ends where the button went up, also when the press,
// the motion and the release all came between two frames, or a new press
// followed before the frame; a click without motion changes nothing.
TEST_F(PanelInteraction, ADragEndsWhereTheButtonWentUpThoughNoFrameSawIt) {
    picture.drawFrame();
    press(520, 90);
    drag(520, 80);
    picture.mouseMoved(520, 70, kLeft);
    release(520, 70);
    EXPECT_EQ(slider(2), 10.0) << "the last motion came with the release";
    picture.mouseDown(520, 90, kLeft);
    picture.mouseMoved(520, 100, kLeft);
    picture.mouseUp(520, 102, kLeft);
    picture.mouseMoved(300, 20, 0);
    picture.drawFrame();
    EXPECT_EQ(slider(2), 4.0) << "press, drag and release within one frame";
    picture.mouseDown(520, 90, kLeft);
    picture.mouseUp(520, 80, kLeft);
    picture.mouseDown(80, 90, kLeft); // Quorvel, held into the frame
    picture.drawFrame();
    EXPECT_EQ(slider(2), 9.0) << "the first drag ended at its release";
    EXPECT_EQ(slider(1), 0.0) << "the second press starts from its own point";
    drag(80, 86);
    EXPECT_EQ(slider(1), 2.0);
    release(80, 86);
    picture.mouseDown(520, 90, kLeft);
    picture.mouseUp(520, 90, kLeft);
    picture.drawFrame();
    EXPECT_EQ(slider(2), 9.0) << "a click without motion";
}

TEST_F(PanelInteraction, QuorvelDragsInHalfStepsOrInTheSlidersWholeSteps) {
    picture.drawFrame();
    press(80, 90);
    drag(80, 87);
    EXPECT_EQ(slider(1), 1.5) << "the knob's own steps";
    release(80, 87);
    picture.effect().panel.followSliderSteps(true);
    picture.effect().doOpen(); // keeps the choice
    press(80, 90);
    drag(80, 87);
    EXPECT_EQ(slider(1), 3.0) << "1.5 + 1.5 held to the slider's whole decibels";
    drag(80, 88);
    EXPECT_EQ(slider(1), 3.0) << "2.5 rounds up, as the host's rule does";
    drag(80, 89);
    EXPECT_EQ(slider(1), 2.0);
}

TEST_F(PanelInteraction, ControlAtThePressResetsToZeroWithinRange) {
    hostSets(picture.effect(), 4, 7.5);
    picture.drawFrame();
    press(520, 210, kLeft | kControl); // Dirt
    EXPECT_EQ(slider(4), 0.0);
    release(520, 210);
    press(455, 140, kLeft | kControl); // Depth: 0 is below its range
    EXPECT_EQ(slider(8), 0.1);
}

TEST_F(PanelInteraction, PressOutsideEveryKnobChangesNothing) {
    picture.drawFrame();
    const double before[3] = {slider(1), slider(2), slider(5)};
    press(10, 10);
    drag(80, 90);   // over Quorvel
    drag(520, 60);  // over Output
    drag(230, 200); // over Bass
    EXPECT_EQ(slider(1), before[0]);
    EXPECT_EQ(slider(2), before[1]);
    EXPECT_EQ(slider(5), before[2]);
}

TEST_F(PanelInteraction, TheHostSeesAKnobMoveWhenItReadsTheParameter) {
    picture.drawFrame();
    press(520, 90);
    drag(520, 70);
    AEffect& e = picture.record();
    char text[64] = {};
    e.dispatcher(&e, effGetParamDisplay, 1, 0, text, 0.0f);
    EXPECT_STREQ(text, "10.00");
    EXPECT_FLOAT_EQ(e.getParameter(&e, 1), 0.75f);
}

TEST_F(PanelInteraction, ControlUpdateFollowsTheKnob) {
    picture.drawFrame();
    press(520, 90);
    drag(520, 70);                           // the knob writes its slider in this frame
    picture.process(std::vector<float>(16)); // the audio thread designs for it at its next block
    EXPECT_NEAR(picture.effect().amp.coefficients().controls.outputGain,
                std::pow(10.0, 10.0 / 20.0), 1e-12);
}

TEST_F(PanelInteraction, RestoredValueOutsideTheKnobIsClampedAtTheNextFrame) {
    float chunk[65] = {-1000.0f};
    chunk[5] = 123.0f;
    chunk[8] = 8.0f;
    AEffect& e = picture.record();
    e.dispatcher(&e, effSetChunk, 0, sizeof chunk, chunk, 0.0f);
    EXPECT_EQ(slider(5), 123.0);
    picture.drawFrame();
    EXPECT_EQ(slider(5), 6.0);
}

// A host's change that a frame drawing meanwhile wrote over with the knob's
// older value (the audio thread's change racing the panel) is put back at
// the next frame.
TEST_F(PanelInteraction, AHostChangeWrittenOverByTheKnobIsPutBackAtTheNextFrame) {
    picture.drawFrame();
    hostSets(picture.effect(), 2, 10.0);
    picture.effect().sliderValues[2] = 0.0; // the knob's older value
    picture.drawFrame();
    EXPECT_EQ(slider(2), 10.0);
    EXPECT_EQ(picture.effect().panel.knob(1).value, 10.0);
    picture.drawFrame();
    EXPECT_EQ(slider(2), 10.0) << "the knob keeps the host's value";
}

// An idle frame is left out only when it would draw the last one's picture:
// a host change, a meter, the clip flag, the mouse or a fading lamp brings
// the frames back.
TEST_F(PanelInteraction, AnIdleFrameIsLeftOutOnlyWhenNothingShownMoved) {
    TVobrixEffect& fx = picture.effect();
    const auto repeats = [&] { return fx.panel.wouldRepeatLastFrame(fx, fx.amp); };
    EXPECT_FALSE(repeats()) << "nothing drawn yet";
    const auto afterAFrame = [&](const char* what, const std::function<void()>& change) {
        picture.drawFrame();
        ASSERT_TRUE(repeats()) << "before " << what;
        change();
        EXPECT_FALSE(repeats()) << what;
    };
    afterAFrame("a host change", [&] { hostSets(fx, 2, 5.0); });
    afterAFrame("a host change the knob drew over", [&] {
        hostSets(fx, 2, 7.0);
        fx.sliderValues[2] = 5.0;
    });
    afterAFrame("a meter", [&] { fx.amp.showReportedGain(1, 2.0); });
    afterAFrame("the clip flag", [&] { fx.amp.showReportedClip(1.0); });
    for (int frame = 0; frame < 3; ++frame) {
        picture.drawFrame();
        EXPECT_FALSE(repeats()) << "the lamp fades, frame " << frame;
    }
    for (int frame = 0; frame < 20 && fx.panel.ledLevel() > 0.0; ++frame)
        picture.drawFrame();
    afterAFrame("the mouse", [&] { picture.mouseMoved(100, 100, 0); });
    afterAFrame("a release no frame drew", [&] {
        picture.mouseDown(100, 100, kLeft);
        picture.mouseUp(100, 100, kLeft);
    });
}

TEST_F(PanelInteraction, DrawBeforeTheFirstResumeKeepsTheSliders) {
    TVobrixEffect& effect = picture.effect();
    effect.sliderValues[2] = 5.0;
    effect.doOpen(); // the knobs start from the sliders again
    picture.drawFrame();
    EXPECT_EQ(slider(2), 5.0);
    EXPECT_EQ(slider(8), 8.0);
}

} // namespace
