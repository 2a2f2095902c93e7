// Views and containers without any display: routing, hits, ownership,
// invalidation, look-ups, wheel axes and coordinate conversions.
#include "RecordingViews.h"

#include "toolkit/CFrame.h"
#include "toolkit/COffscreenContext.h"
#include "toolkit/ViewMessages.h"

#include <gtest/gtest.h>

#include <string>

using namespace VSTGUI;

namespace {

// A frame without a window is the root every test attaches views to.
class ViewTreeTest : public ::testing::Test {
  protected:
    void TearDown() override { frame->forget(); }

    // Adds view to container; the creator's reference passes to the
    // container, which releases it when it removes its children with forget.
    template <typename T> T* add(CViewContainer* container, T* view) {
        EXPECT_TRUE(container->addView(view));
        return view;
    }

    CFrame* frame = new CFrame(ViewRect(0, 0, 600, 284), nullptr, nullptr);
};

TEST_F(ViewTreeTest, PressGoesToTheChildAddedLastAndItKeepsTheMouseUntilRelease) {
    auto* below = add(frame, new RecordingView(ViewRect(10, 10, 110, 110)));
    auto* above = add(frame, new RecordingView(ViewRect(50, 50, 150, 150)));
    ViewPoint where(60, 60);
    EXPECT_EQ(frame->onMouseDown(where, kLButton), kMouseEventHandled);
    ASSERT_EQ(above->calls.size(), 1u);
    EXPECT_TRUE(below->calls.empty());
    EXPECT_EQ(frame->getMouseDownView(), above);

    ViewPoint away(500, 200); // far outside both: still the holder's
    EXPECT_EQ(frame->onMouseMoved(away, kLButton), kMouseEventHandled);
    EXPECT_EQ(frame->onMouseUp(away, 0), kMouseEventHandled);
    ASSERT_EQ(above->calls.size(), 3u);
    EXPECT_EQ(above->calls[1].kind, "moved");
    EXPECT_EQ(above->calls[2].kind, "up");
    EXPECT_EQ(frame->getMouseDownView(), nullptr);
    EXPECT_EQ(frame->onMouseUp(away, 0), kMouseEventNotHandled);
}

TEST_F(ViewTreeTest, PressOnTheRightAndBottomEdgeHitsAndOnePixelBeyondMisses) {
    auto* view = add(frame, new RecordingView(ViewRect(10, 10, 110, 60)));
    ViewPoint corner(110, 60);
    EXPECT_EQ(frame->onMouseDown(corner, kLButton), kMouseEventHandled);
    ViewPoint topLeft(10, 10);
    EXPECT_EQ(frame->onMouseDown(topLeft, kLButton), kMouseEventHandled);
    ViewPoint beyond(110.5, 30);
    EXPECT_EQ(frame->onMouseDown(beyond, kLButton), kMouseEventNotHandled);
    EXPECT_EQ(view->calls.size(), 2u);
}

TEST_F(ViewTreeTest, PressSkipsHiddenAndMouseDisabledChildrenAndAnswersTwoWithoutTarget) {
    auto* bottom = add(frame, new RecordingView(ViewRect(0, 0, 100, 100)));
    auto* hidden = add(frame, new RecordingView(ViewRect(0, 0, 100, 100)));
    auto* disabled = add(frame, new RecordingView(ViewRect(0, 0, 100, 100)));
    hidden->setVisible(false);
    disabled->setMouseEnabled(false);
    ViewPoint where(5, 5);
    EXPECT_EQ(frame->onMouseDown(where, kLButton), kMouseEventHandled);
    EXPECT_EQ(bottom->calls.size(), 1u);
    EXPECT_TRUE(hidden->calls.empty());
    EXPECT_TRUE(disabled->calls.empty());
    ViewPoint nowhere(300, 200);
    EXPECT_EQ(frame->onMouseDown(nowhere, kLButton), kMouseEventNotHandled);
}

TEST_F(ViewTreeTest, MoveAnsweredOtherThanHandledReleasesTheMouseDownView) {
    auto* view = add(frame, new RecordingView(ViewRect(0, 0, 100, 100)));
    ViewPoint where(5, 5);
    frame->onMouseDown(where, kLButton);
    view->movedAnswer = kMouseEventNotHandled;
    EXPECT_EQ(frame->CViewContainer::onMouseMoved(where, kLButton), kMouseEventNotHandled);
    EXPECT_EQ(frame->getMouseDownView(), nullptr);
}

TEST_F(ViewTreeTest, MovesWithoutAPressReachTheViewUnderThePointerWithNoButtons) {
    auto* view = add(frame, new RecordingView(ViewRect(100, 100, 200, 200)));
    ViewPoint first(150, 150), second(160, 155), outside(400, 20);
    EXPECT_EQ(frame->onMouseMoved(first, kShift), kMouseEventHandled);
    EXPECT_EQ(frame->onMouseMoved(second, kShift), kMouseEventHandled);
    EXPECT_EQ(frame->onMouseMoved(outside, 0), kMouseEventHandled);
    ASSERT_EQ(view->calls.size(), 3u);
    EXPECT_EQ(view->calls[0].kind, "entered");
    EXPECT_EQ(view->calls[1].kind, "moved");
    EXPECT_EQ(view->calls[1].buttons, 0);
    EXPECT_EQ(view->calls[1].where, ViewPoint(160, 155));
    EXPECT_EQ(view->calls[2].kind, "exited");
}

TEST_F(ViewTreeTest, RemovingWithForgetDeletesAViewOnlyTheCreatorAlsoHeld) {
    bool deleted = false;
    auto* view = new RecordingView(ViewRect(0, 0, 10, 10), kWhiteColour, &deleted);
    ASSERT_TRUE(frame->addView(view));
    EXPECT_EQ(view->getNbReference(), 2);
    EXPECT_TRUE(frame->removeView(view, true));
    EXPECT_TRUE(deleted);
    EXPECT_EQ(frame->getNbViews(), 0);
}

TEST_F(ViewTreeTest, RemovingWithoutForgetLeavesTheCreatorsReference) {
    bool deleted = false;
    auto* view = new RecordingView(ViewRect(0, 0, 10, 10), kWhiteColour, &deleted);
    frame->addView(view);
    EXPECT_TRUE(frame->removeView(view, false));
    EXPECT_FALSE(deleted);
    EXPECT_FALSE(view->isAttached());
    EXPECT_EQ(view->getFrame(), nullptr);
    EXPECT_EQ(view->getNbReference(), 1);
    EXPECT_FALSE(frame->removeView(view, false)); // no longer a child
    view->forget();
    EXPECT_TRUE(deleted);
}

TEST_F(ViewTreeTest, AddViewRefusesNullAndViewsAlreadyAttached) {
    auto* view = add(frame, new RecordingView(ViewRect(0, 0, 10, 10)));
    EXPECT_FALSE(frame->addView(nullptr));
    EXPECT_FALSE(frame->addView(view));
    auto* other = add(frame, new RecordingContainer(ViewRect(0, 0, 50, 50)));
    EXPECT_FALSE(other->addView(view));
    EXPECT_EQ(frame->getNbViews(), 2);
}

TEST_F(ViewTreeTest, GetViewCountsFromZeroAndAnswersNullOutOfRange) {
    auto* empty = add(frame, new RecordingContainer(ViewRect(0, 0, 50, 50)));
    EXPECT_EQ(empty->getView(0), nullptr);
    auto* first = add(empty, new RecordingView(ViewRect(0, 0, 5, 5)));
    auto* second = add(empty, new RecordingView(ViewRect(0, 0, 5, 5)));
    auto* between = new RecordingView(ViewRect(0, 0, 5, 5));
    empty->addView(between, second);
    EXPECT_EQ(empty->getView(0), first);
    EXPECT_EQ(empty->getView(1), between);
    EXPECT_EQ(empty->getView(2), second);
    EXPECT_EQ(empty->getView(3), nullptr);
    EXPECT_EQ(empty->getView(-1), nullptr);
}

TEST_F(ViewTreeTest, InvalidationClimbsWithEachContainersOriginAndSkipsHiddenOrDetachedViews) {
    auto* outer = add(frame, new RecordingContainer(ViewRect(0, 0, 400, 200)));
    auto* inner = add(outer, new RecordingContainer(ViewRect(10, 20, 110, 120)));
    auto* view = add(inner, new RecordingView(ViewRect(3, 4, 13, 14)));
    outer->invalidated.clear();
    view->invalid();
    ASSERT_EQ(outer->invalidated.size(), 1u);
    EXPECT_EQ(outer->invalidated[0], ViewRect(13, 24, 23, 34));

    view->setVisible(false);
    outer->invalidated.clear();
    view->invalidRect(ViewRect(0, 0, 5, 5));
    EXPECT_TRUE(outer->invalidated.empty());

    RecordingView detached(ViewRect(0, 0, 5, 5));
    detached.invalid(); // no parent to reach: must not crash
    EXPECT_FALSE(detached.isAttached());
}

TEST_F(ViewTreeTest, UpdateDirtyViewsInvalidatesOnlyDirtyVisibleChildren) {
    auto* container = add(frame, new RecordingContainer(ViewRect(0, 0, 300, 200)));
    auto* dirtyView = add(container, new RecordingView(ViewRect(0, 0, 10, 10)));
    auto* cleanView = add(container, new RecordingView(ViewRect(20, 0, 30, 10)));
    auto* hiddenView = add(container, new RecordingView(ViewRect(40, 0, 50, 10)));
    hiddenView->setVisible(false); // marks it dirty as well
    dirtyView->setDirty(true);
    const int dirtyBefore = dirtyView->invalidations; // adding invalidates once
    const int cleanBefore = cleanView->invalidations;
    const int hiddenBefore = hiddenView->invalidations;
    EXPECT_TRUE(frame->isDirty());
    frame->updateDirtyViews();
    EXPECT_EQ(dirtyView->invalidations, dirtyBefore + 1);
    EXPECT_EQ(cleanView->invalidations, cleanBefore);
    EXPECT_EQ(hiddenView->invalidations, hiddenBefore);
    EXPECT_FALSE(dirtyView->isDirty());
}

TEST_F(ViewTreeTest, GetViewAtFindsTheTopmostVisibleChildShallowOrDeep) {
    auto* container = add(frame, new RecordingContainer(ViewRect(100, 100, 300, 200)));
    auto* leaf = add(container, new RecordingView(ViewRect(10, 10, 20, 20)));
    auto* hidden = add(frame, new RecordingView(ViewRect(100, 100, 300, 200)));
    hidden->setVisible(false);
    EXPECT_EQ(frame->getViewAt(ViewPoint(115, 115), false), container);
    EXPECT_EQ(frame->getViewAt(ViewPoint(115, 115), true), leaf);
    EXPECT_EQ(frame->getViewAt(ViewPoint(120, 120), true), leaf); // edges included
    EXPECT_EQ(frame->getViewAt(ViewPoint(150, 150), true), nullptr);
    EXPECT_EQ(frame->getViewAt(ViewPoint(5, 5), false), nullptr);
    EXPECT_EQ(frame->getContainerAt(ViewPoint(150, 150), true), container);
    EXPECT_TRUE(frame->isChild(leaf, true));
    EXPECT_FALSE(frame->isChild(leaf));
}

TEST_F(ViewTreeTest, HorizontalWheelTravelIsNegatedAndVerticalKept) {
    auto* view = add(frame, new RecordingView(ViewRect(0, 0, 100, 100)));
    ViewPoint where(10, 10);
    EXPECT_TRUE(view->CView::onWheel(where, kMouseWheelAxisX, 1.5f, 0));
    EXPECT_TRUE(view->CView::onWheel(where, kMouseWheelAxisY, 1.5f, 0));
    ASSERT_EQ(view->wheelDistances.size(), 2u);
    EXPECT_FLOAT_EQ(view->wheelDistances[0], -1.5f);
    EXPECT_FLOAT_EQ(view->wheelDistances[1], 1.5f);
    // The frame's one-axis form means the vertical axis.
    EXPECT_TRUE(frame->onWheel(where, 2.0f, kShift));
    EXPECT_FLOAT_EQ(view->wheelDistances.back(), 2.0f);
    EXPECT_EQ(view->calls.back().buttons, kShift);
}

TEST_F(ViewTreeTest, WheelIsIgnoredWhileAViewHoldsTheMouse) {
    auto* view = add(frame, new RecordingView(ViewRect(0, 0, 100, 100)));
    ViewPoint where(10, 10);
    frame->onMouseDown(where, kLButton);
    EXPECT_FALSE(frame->onWheel(where, 1.0f, 0));
    EXPECT_TRUE(view->wheelDistances.empty());
    CView plain(ViewRect(0, 0, 10, 10));
    EXPECT_FALSE(plain.onWheel(where, 1.0f, 0)); // the base answers 0
}

TEST_F(ViewTreeTest, CoordinatesConvertThroughNestedContainers) {
    auto* outer = add(frame, new RecordingContainer(ViewRect(10, 20, 400, 250)));
    auto* inner = add(outer, new RecordingContainer(ViewRect(5, 7, 200, 200)));
    auto* view = add(inner, new RecordingView(ViewRect(3, 4, 53, 54)));

    ViewPoint fromFrame(100, 100);
    view->frameToLocal(fromFrame); // into the view's parent coordinates
    EXPECT_EQ(fromFrame, ViewPoint(85, 73));
    ViewPoint origin(0, 0);
    view->localToFrame(origin); // the view's own origin on the frame
    EXPECT_EQ(origin, ViewPoint(18, 31));
    ViewPoint inParent(3, 4);
    view->parentToFrame(inParent);
    EXPECT_EQ(inParent, ViewPoint(18, 31));
    ViewPoint roundTrip(42, 43);
    inner->frameToLocal(roundTrip);
    inner->localToFrame(roundTrip);
    EXPECT_EQ(roundTrip, ViewPoint(42, 43));

    // A press at the view's origin on the frame arrives in its parent's
    // coordinates, the same the view's bounds are given in.
    ViewPoint press(18, 31);
    frame->onMouseDown(press, kLButton);
    ASSERT_EQ(view->calls.size(), 1u);
    EXPECT_EQ(view->calls[0].where, ViewPoint(3, 4));
}

TEST_F(ViewTreeTest, VisibleSizeIsClippedByEveryEnclosingContainer) {
    auto* container = add(frame, new RecordingContainer(ViewRect(550, 0, 650, 100)));
    auto* view = add(container, new RecordingView(ViewRect(20, 10, 90, 40)));
    EXPECT_EQ(view->getVisibleSize(), ViewRect(20, 10, 50, 40));
}

TEST_F(ViewTreeTest, ChildrenDrawFirstToLastClippedToTheDamagedArea) {
    add(frame, new RecordingView(ViewRect(0, 0, 40, 40), Colour{255, 0, 0, 255}));
    auto* top = add(frame, new RecordingView(ViewRect(20, 20, 60, 60), Colour{0, 0, 255, 255}));
    auto* hidden = add(frame, new RecordingView(ViewRect(0, 0, 60, 60), Colour{0, 255, 0, 255}));
    hidden->setVisible(false);
    COffscreenContext context(frame, 100, 100);
    frame->drawRect(&context, ViewRect(0, 0, 50, 50));
    CBitmap* pixels = context.getBitmap();
    EXPECT_EQ(pixels->getPixel(5, 5), (Colour{255, 0, 0, 255}));
    EXPECT_EQ(pixels->getPixel(30, 30), (Colour{0, 0, 255, 255})); // the later child covers
    EXPECT_EQ(pixels->getPixel(45, 10), kBlackColour);             // the frame's background
    EXPECT_EQ(pixels->getPixel(55, 55), kTransparentColour);       // outside the damage
    EXPECT_EQ(hidden->draws, 0);
    EXPECT_EQ(top->draws, 1);
    ViewPoint offset = context.getOffset();
    EXPECT_EQ(offset, ViewPoint(0, 0)); // restored after drawing
}

TEST_F(ViewTreeTest, NestedContainerDrawsItsChildrenShiftedByItsOrigin) {
    auto* container = add(frame, new RecordingContainer(ViewRect(30, 30, 80, 80)));
    container->setBackgroundColor(Colour{10, 20, 30, 255});
    add(container, new RecordingView(ViewRect(0, 0, 10, 10), Colour{255, 255, 0, 255}));
    COffscreenContext context(frame, 100, 100);
    frame->draw(&context);
    CBitmap* pixels = context.getBitmap();
    EXPECT_EQ(pixels->getPixel(32, 32), (Colour{255, 255, 0, 255}));
    EXPECT_EQ(pixels->getPixel(50, 50), (Colour{10, 20, 30, 255}));
    EXPECT_EQ(pixels->getPixel(20, 20), kBlackColour);
}

TEST_F(ViewTreeTest, FocusTraversalSkipsViewsThatDoNotWantItAndNotifiesContainersByIdentity) {
    auto* container = add(frame, new RecordingContainer(ViewRect(0, 0, 300, 200)));
    auto* first = add(container, new RecordingView(ViewRect(0, 0, 10, 10)));
    add(container, new RecordingView(ViewRect(20, 0, 30, 10)));
    auto* third = add(container, new RecordingView(ViewRect(40, 0, 50, 10)));
    first->setWantsFocus(true);
    third->setWantsFocus(true);

    KeyCode tab{0, kVirtualKeyTab, 0};
    EXPECT_EQ(frame->onKeyDown(tab), 1);
    EXPECT_EQ(frame->getFocusView(), first);
    EXPECT_EQ(first->focusTaken, 1);
    EXPECT_EQ(frame->onKeyDown(tab), 1);
    EXPECT_EQ(frame->getFocusView(), third);
    EXPECT_EQ(first->focusLost, 1);
    KeyCode backTab{0, kVirtualKeyTab, kModifierShift};
    EXPECT_EQ(frame->onKeyDown(backTab), 1);
    EXPECT_EQ(frame->getFocusView(), first);

    bool sawNew = false, sawOld = false;
    for (const char* message : container->messages) {
        sawNew = sawNew || message == kMsgNewFocusView;
        sawOld = sawOld || message == kMsgOldFocusView;
    }
    EXPECT_TRUE(sawNew);
    EXPECT_TRUE(sawOld);
    const std::string sameText = "kMsgCheckIfViewContainer";
    EXPECT_EQ(container->CViewContainer::notify(nullptr, sameText.c_str()), kMessageUnknown);
    EXPECT_EQ(container->CViewContainer::notify(nullptr, kMsgCheckIfViewContainer),
              kMessageNotified);

    KeyCode letter{'a', 0, 0};
    EXPECT_EQ(frame->onKeyDown(letter), -1);
    frame->removeView(container, true);
    EXPECT_EQ(frame->getFocusView(), nullptr); // forgotten with its container
}

TEST_F(ViewTreeTest, ModalViewTakesEveryPressAndIsRemovedWithoutBeingReleased) {
    auto* under = add(frame, new RecordingView(ViewRect(0, 0, 600, 284)));
    auto* modal = new RecordingView(ViewRect(100, 100, 200, 200));
    EXPECT_TRUE(frame->setModalView(modal));
    auto* second = new RecordingView(ViewRect(0, 0, 1, 1));
    EXPECT_FALSE(frame->setModalView(second)); // one modal view at a time
    EXPECT_FALSE(second->isAttached());
    second->forget();
    ViewPoint outside(10, 10), inside(150, 150);
    EXPECT_EQ(frame->onMouseDown(outside, kLButton), kMouseEventNotHandled);
    EXPECT_EQ(frame->onMouseDown(inside, kLButton), kMouseEventHandled);
    EXPECT_TRUE(under->calls.empty());
    EXPECT_EQ(modal->calls.size(), 1u);
    EXPECT_TRUE(frame->setModalView(nullptr));
    EXPECT_EQ(modal->getNbReference(), 1);
    modal->forget();
}

TEST_F(ViewTreeTest, AttributesStoreCopiesKeyedByNumber) {
    CView view(ViewRect(0, 0, 1, 1));
    const char text[] = "gravelo";
    int32_t size = 0;
    char buffer[16] = {};
    EXPECT_FALSE(view.getAttributeSize(7, size));
    EXPECT_TRUE(view.setAttribute(7, sizeof text, text));
    EXPECT_TRUE(view.getAttributeSize(7, size));
    EXPECT_EQ(size, int32_t(sizeof text));
    EXPECT_FALSE(view.getAttribute(7, 4, buffer, size)); // buffer too small
    EXPECT_TRUE(view.getAttribute(7, sizeof buffer, buffer, size));
    EXPECT_STREQ(buffer, "gravelo");
    const int32_t number = 1234;
    EXPECT_TRUE(view.setAttribute(7, sizeof number, &number));
    int32_t back = 0;
    EXPECT_TRUE(view.getAttribute(7, sizeof back, &back, size));
    EXPECT_EQ(back, 1234);
    EXPECT_TRUE(view.removeAttribute(7));
    EXPECT_FALSE(view.removeAttribute(7));
}

TEST_F(ViewTreeTest, TypeNamesAnswerExactly) {
    CView view(ViewRect(0, 0, 1, 1));
    EXPECT_TRUE(view.isTypeOf("CView"));
    EXPECT_FALSE(view.isTypeOf("CViewContainer"));
    EXPECT_FALSE(view.isTypeOf("cview"));
    EXPECT_TRUE(frame->isTypeOf("CFrame"));
    EXPECT_TRUE(frame->isTypeOf("CViewContainer"));
    EXPECT_TRUE(frame->isTypeOf("CView"));
    RecordingContainer container(ViewRect(0, 0, 1, 1));
    EXPECT_FALSE(container.isTypeOf("CFrame"));
}

TEST_F(ViewTreeTest, DragsAndKeysAreRefusedByPlainViews) {
    CView view(ViewRect(0, 0, 10, 10));
    EXPECT_FALSE(view.onDrop(nullptr, ViewPoint(1, 1)));
    view.onDragEnter(nullptr, ViewPoint(1, 1));
    view.onDragMove(nullptr, ViewPoint(2, 2));
    view.onDragLeave(nullptr, ViewPoint(3, 3));
    KeyCode key{'x', 0, 0};
    EXPECT_EQ(view.onKeyDown(key), -1);
    EXPECT_EQ(view.onKeyUp(key), -1);
    ViewPoint where(1, 1);
    EXPECT_EQ(view.onMouseDown(where, kLButton), kMouseEventNotImplemented);
    add(frame, new RecordingView(ViewRect(0, 0, 10, 10)));
    EXPECT_FALSE(frame->onDrop(nullptr, ViewPoint(5, 5)));
}

TEST_F(ViewTreeTest, FrameWithoutWindowOnlyChangesItsBoundsOnSetSize) {
    EXPECT_FALSE(frame->hasWindow());
    EXPECT_FALSE(frame->setSize(600, 284)); // unchanged
    EXPECT_TRUE(frame->setSize(300, 100));
    EXPECT_EQ(frame->getViewSize(), ViewRect(0, 0, 300, 100));
    int32_t x = 0, y = 0;
    EXPECT_FALSE(frame->getPosition(x, y));
    ViewPoint where(7, 7);
    EXPECT_FALSE(frame->getCurrentMouseLocation(where));
    EXPECT_EQ(where, ViewPoint(7, 7));
    EXPECT_EQ(frame->getCurrentMouseButtons(), 0);
    EXPECT_EQ(frame->getKnobMode(), 0);
}

} // namespace
