// Mouse, wheel and key routing at the frame, the modal and focus views and
// the legacy tracking loop.
#include "CDrawContext.h"
#include "CFrame.h"
#include "ViewMessages.h"

namespace VSTGUI {

namespace {
// setFocusView tells views and containers about the change, and they may
// set the focus again; those nested requests are ignored.
bool settingFocus = false;

constexpr CButtonState kAnyMainButton = kLButton | kMButton | kRButton;
} // namespace

// ---- mouse -------------------------------------------------------------------

CMouseEventResult CFrame::onMouseDown(ViewPoint& where, const CButtonState& buttons) {
    mouseDownView = nullptr;
    if (focusView != nullptr) setFocusView(nullptr);
    if (mouseOverView != nullptr) {
        mouseOverView->onMouseExited(where, buttons);
        if (mouseObserver != nullptr) mouseObserver->onMouseExited(mouseOverView, this);
        mouseOverView = nullptr;
    }
    if (mouseObserver != nullptr) mouseObserver->onMouseDown(this, where);
    if (modalView != nullptr) return modalMouseDown(where, buttons);
    return CViewContainer::onMouseDown(where, buttons);
}

CMouseEventResult CFrame::modalMouseDown(ViewPoint& where, const CButtonState& buttons) {
    if (!modalView->hitTest(where, buttons)) return kMouseEventNotHandled;
    const CMouseEventResult result = modalView->onMouseDown(where, buttons);
    if (result == kMouseEventHandled) {
        mouseDownView = modalView;
        return kMouseEventHandled;
    }
    if (result != kMouseEventNotImplemented) return kMouseEventNotHandled;
    CDrawContext* context = createDrawContext();
    modalView->mouse(context, where, buttons);
    context->forget();
    return kMouseEventHandled;
}

CMouseEventResult CFrame::onMouseUp(ViewPoint& where, const CButtonState& buttons) {
    return CViewContainer::onMouseUp(where, buttons);
}

CMouseEventResult CFrame::onMouseMoved(ViewPoint& where, const CButtonState& buttons) {
    // The window reports leaving without being asked; the flag only
    // records that a leave is expected.
    trackingLeave = true;
    if (mouseObserver != nullptr) mouseObserver->onMouseMoved(this, where);
    if (modalView != nullptr) return modalView->onMouseMoved(where, buttons);
    const CMouseEventResult result = CViewContainer::onMouseMoved(where, buttons);
    if (result != kMouseEventNotHandled) return result;
    return trackMouseOver(where, buttons);
}

// With no view holding the mouse, the view under the pointer still sees
// the moves (with no buttons), and views learn when the pointer crosses them.
CMouseEventResult CFrame::trackMouseOver(ViewPoint& where, const CButtonState& buttons) {
    CView* under = getViewAt(where, true);
    if (under != nullptr && under == mouseOverView) {
        ViewPoint local = where;
        under->frameToLocal(local);
        return under->onMouseMoved(local, mouseDownView != nullptr ? buttons : 0);
    }
    if (under == mouseOverView) return kMouseEventNotHandled;
    if (mouseOverView != nullptr) {
        ViewPoint local = where;
        mouseOverView->frameToLocal(local);
        mouseOverView->onMouseExited(local, buttons);
        if (mouseObserver != nullptr) mouseObserver->onMouseExited(mouseOverView, this);
    }
    mouseOverView = under;
    if (under != nullptr) {
        ViewPoint local = where;
        under->frameToLocal(local);
        under->onMouseEntered(local, buttons);
        if (mouseObserver != nullptr) mouseObserver->onMouseEntered(under, this);
    }
    return kMouseEventHandled;
}

CMouseEventResult CFrame::onMouseExited(ViewPoint& where, const CButtonState& buttons) {
    if (mouseOverView != nullptr) {
        ViewPoint local = where;
        mouseOverView->frameToLocal(local);
        mouseOverView->onMouseExited(local, buttons);
        if (mouseObserver != nullptr) mouseObserver->onMouseExited(mouseOverView, this);
    }
    mouseOverView = nullptr;
    trackingLeave = false;
    return kMouseEventHandled;
}

void CFrame::mouse(CDrawContext*, ViewPoint& where, CButtonState buttons) {
    if (buttons == -1) buttons = getCurrentMouseButtons();
    if (onMouseDown(where, buttons) != kMouseEventHandled) return;
    const CButtonState held = buttons & kAnyMainButton;
    ViewPoint last = where;
    CButtonState now = buttons;
    trackingMouse = true;
    while (held != 0) {
        pumpEditorIdle();
        now = getCurrentMouseButtons();
        ViewPoint position = last;
        getCurrentMouseLocation(position);
        if ((now & held) != held) break;
        if (position != last) {
            last = position;
            onMouseMoved(position, now);
        }
    }
    trackingMouse = false;
    onMouseUp(last, now);
}

// ---- wheel -------------------------------------------------------------------

bool CFrame::onWheel(const ViewPoint& where, const float& distance, const CButtonState& buttons) {
    return onWheel(where, kMouseWheelAxisY, distance, buttons);
}

bool CFrame::onWheel(const ViewPoint& where, const CMouseWheelAxis& axis, const float& distance,
                     const CButtonState& buttons) {
    if (mouseDownView != nullptr) return false;
    CView* target = modalView != nullptr ? modalView : getViewAt(where, false);
    return target != nullptr && target->onWheel(where, axis, distance, buttons);
}

// ---- keys --------------------------------------------------------------------

int32_t CFrame::onKeyDown(KeyCode& key) {
    if (focusView != nullptr) {
        const int32_t result = focusView->onKeyDown(key);
        if (result != -1) return result;
    }
    if (modalView != nullptr) {
        const int32_t result = modalView->onKeyDown(key);
        if (result != -1) return result;
    }
    if (key.virt == kVirtualKeyTab)
        return advanceNextFocusView(focusView, (key.modifier & kModifierShift) != 0) ? 1 : -1;
    return -1;
}

int32_t CFrame::onKeyUp(KeyCode& key) {
    if (focusView != nullptr) {
        const int32_t result = focusView->onKeyUp(key);
        if (result != -1) return result;
    }
    if (modalView != nullptr) return modalView->onKeyUp(key);
    return -1;
}

// ---- focus and modal view ------------------------------------------------------

bool CFrame::advanceNextFocusView(CView* view, bool reverse) {
    if (modalView != nullptr) {
        if (modalView->notify(nullptr, kMsgCheckIfViewContainer) != kMessageNotified) return false;
        return static_cast<CViewContainer*>(modalView)->advanceNextFocusView(view, reverse);
    }
    CView* start = view != nullptr ? view : focusView;
    if (start != nullptr && !isChild(start)) {
        CView* from = start;
        for (CViewContainer* container = start->getParentView();
             container != nullptr && container != this; container = container->getParentView()) {
            if (container->advanceNextFocusView(from, reverse)) return true;
            from = container;
        }
        start = isChild(from) ? from : nullptr;
    }
    if (CViewContainer::advanceNextFocusView(start, reverse)) return true;
    setFocusView(nullptr);
    return false;
}

void CFrame::notifyFocusContainers(CView* view, const char* message) {
    for (CViewContainer* container = view->getParentView();
         container != nullptr && container != this; container = container->getParentView())
        container->notify(view, message);
}

void CFrame::setFocusView(CView* view) {
    if (view == focusView || settingFocus) return;
    settingFocus = true;
    CView* old = focusView;
    focusView = view;
    if (view != nullptr && view->wantsFocus()) {
        view->setDirty(true);
        notifyFocusContainers(view, kMsgNewFocusView);
    }
    if (old != nullptr) {
        if (old->wantsFocus()) {
            old->setDirty(true);
            notifyFocusContainers(old, kMsgOldFocusView);
        }
        old->looseFocus();
    }
    settingFocus = false;
}

void CFrame::onViewRemoved(CView* view) {
    if (mouseOverView == view) mouseOverView = nullptr;
    if (focusView == view) focusView = nullptr;
}

bool CFrame::setModalView(CView* view) {
    if (view == nullptr) {
        if (modalView != nullptr) removeView(modalView, false);
        modalView = nullptr;
        return true;
    }
    if (modalView != nullptr || view->isAttached()) return false;
    modalView = view;
    addView(view);
    return true;
}

CView* CFrame::getViewAtMouse() const {
    return modalView != nullptr ? modalView : CViewContainer::getViewAtMouse();
}

} // namespace VSTGUI
