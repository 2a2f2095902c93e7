// Children, attachment, mouse routing, look-ups and focus traversal of a
// container; its drawing is in CViewContainerDraw.cpp.
#include "CViewContainer.h"

#include "CDrawContext.h"
#include "CFrame.h"
#include "COffscreenContext.h"
#include "ViewMessages.h"

#include <cstring>
#include <vector>

namespace VSTGUI {

CViewContainer::CViewContainer(const ViewRect& rect, CFrame* frame, CBitmap* bitmap) : CView(rect) {
    parentFrame = frame;
    if (bitmap != nullptr) setBackground(bitmap);
    dirty = false;
}

CViewContainer::~CViewContainer() {
    removeAll(true);
    setDrawInOffscreen(false);
}

CMessageResult CViewContainer::notify(CBaseObject*, const char* message) {
    return message == kMsgCheckIfViewContainer ? kMessageNotified : kMessageUnknown;
}

ViewPoint CViewContainer::toLocal(const ViewPoint& where) const {
    return ViewPoint(where.x - size.left, where.y - size.top);
}

// ---- children ----------------------------------------------------------------

bool CViewContainer::addView(CView* view) {
    return addView(view, nullptr);
}

bool CViewContainer::addView(CView* view, const ViewRect& area, bool enabled) {
    if (view == nullptr || view->isAttached()) return false;
    view->setMouseableArea(area);
    view->setMouseEnabled(enabled);
    return addView(view);
}

bool CViewContainer::addView(CView* view, CView* before) {
    if (view == nullptr || view->isAttached()) return false;
    auto position = children.end();
    for (auto it = children.begin(); it != children.end(); ++it)
        if (*it == before) position = it;
    view->remember();
    children.insert(position, view);
    if (attachedFlag) {
        view->attached(this);
        view->invalid();
    }
    return true;
}

bool CViewContainer::removeView(CView* view, bool withForget) {
    auto it = children.begin();
    while (it != children.end() && *it != view)
        ++it;
    if (it == children.end()) return false;
    view->invalid();
    if (parentFrame != nullptr) parentFrame->onViewRemoved(view);
    if (mouseDownView == view) mouseDownView = nullptr;
    if (attachedFlag) view->removed(this);
    children.erase(it);
    // With forget the caller's reference goes too: the caller hands its
    // ownership to the container when it later asks for removal this way.
    if (withForget) view->forget();
    view->forget();
    return true;
}

bool CViewContainer::removeAll(bool withForget) {
    mouseDownView = nullptr;
    while (!children.empty())
        removeView(children.front(), withForget);
    return true;
}

bool CViewContainer::isChild(CView* view) const {
    return isChild(view, false);
}

bool CViewContainer::isChild(CView* view, bool deep) const {
    for (CView* child : children) {
        if (child == view) return true;
        if (deep && child->notify(nullptr, kMsgCheckIfViewContainer) == kMessageNotified &&
            static_cast<CViewContainer*>(child)->isChild(view, true))
            return true;
    }
    return false;
}

CView* CViewContainer::getView(int32_t index) const {
    if (index < 0) return nullptr;
    for (CView* child : children)
        if (index-- == 0) return child;
    return nullptr;
}

// ---- attachment ----------------------------------------------------------------

bool CViewContainer::attached(CView* parent) {
    if (!CView::attached(parent)) return false;
    for (CView* child : children)
        child->attached(this);
    return true;
}

// Views deeper down may be the frame's focus or mouse-over view; the frame
// must forget them before they lose their links.
bool CViewContainer::removed(CView* parent) {
    for (CView* child : children) {
        if (parentFrame != nullptr) parentFrame->onViewRemoved(child);
        child->removed(this);
    }
    mouseDownView = nullptr;
    return CView::removed(parent);
}

bool CViewContainer::isTypeOf(const char* name) const {
    return name != nullptr && (std::strcmp(name, "CViewContainer") == 0 || CView::isTypeOf(name));
}

CView* CViewContainer::copy() const {
    auto* container = new CViewContainer(size, nullptr);
    copyFieldsTo(*container);
    container->backgroundColour = backgroundColour;
    container->backgroundOffset = backgroundOffset;
    container->drawInOffscreen = drawInOffscreen;
    for (CView* child : children) {
        // The copy's creator reference passes to the new container, as for
        // any child it releases with forget.
        if (CView* twin = child->copy()) container->addView(twin);
    }
    return container;
}

void CViewContainer::setViewSize(const ViewRect& rect, bool invalidate) {
    CView::setViewSize(rect, invalidate);
    setMouseableArea(rect);
    // An offscreen of the old size is useless; the next draw makes one.
    if (drawInOffscreen) {
        setDrawInOffscreen(false);
        setDrawInOffscreen(true);
    }
}

ViewPoint& CViewContainer::frameToLocal(ViewPoint& point) const {
    point.offset(-size.left, -size.top);
    return parentView != nullptr ? parentView->frameToLocal(point) : point;
}

ViewPoint& CViewContainer::parentToFrame(ViewPoint& point) const {
    point.offset(size.left, size.top);
    return parentView != nullptr ? parentView->parentToFrame(point) : point;
}

ViewRect CViewContainer::getVisibleSize(const CView& child) const {
    ViewRect shown = getVisibleSize();
    shown.offset(-size.left, -size.top);
    ViewRect result = child.getViewSize();
    return result.intersect(shown);
}

// ---- mouse -------------------------------------------------------------------

CMouseEventResult CViewContainer::onMouseDown(ViewPoint& where, const CButtonState& buttons) {
    ViewPoint local = toLocal(where);
    CView* target = findFromTop([&](CView* child) {
        return child->isVisible() && child->getMouseEnabled() && child->hitTest(local, buttons);
    });
    if (target == nullptr) return kMouseEventNotHandled;
    const CMouseEventResult result = target->onMouseDown(local, buttons);
    if (result != kMouseEventNotImplemented) {
        if (result == kMouseEventHandled) mouseDownView = target;
        return result;
    }
    CDrawContext* context = parentFrame != nullptr ? parentFrame->createDrawContext() : nullptr;
    target->mouse(context, local, buttons);
    if (context != nullptr) context->forget();
    return kMouseEventNotImplemented;
}

CMouseEventResult CViewContainer::onMouseUp(ViewPoint& where, const CButtonState& buttons) {
    if (mouseDownView == nullptr) return kMouseEventNotHandled;
    ViewPoint local = toLocal(where);
    CView* view = mouseDownView;
    mouseDownView = nullptr;
    view->onMouseUp(local, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CViewContainer::onMouseMoved(ViewPoint& where, const CButtonState& buttons) {
    if (mouseDownView == nullptr) return kMouseEventNotHandled;
    ViewPoint local = toLocal(where);
    if (mouseDownView->onMouseMoved(local, buttons) != kMouseEventHandled) {
        mouseDownView = nullptr;
        return kMouseEventNotHandled;
    }
    return kMouseEventHandled;
}

void CViewContainer::mouse(CDrawContext* context, ViewPoint& where, CButtonState buttons) {
    ViewPoint local = toLocal(where);
    CView* target = findFromTop([&](CView* child) {
        return child->isVisible() && child->getMouseEnabled() && child->hitTest(local, buttons);
    });
    if (target != nullptr) target->mouse(context, local, buttons);
}

bool CViewContainer::hitTestSubViews(const ViewPoint& where, const CButtonState& buttons) {
    const ViewPoint local = toLocal(where);
    return findFromTop([&](CView* child) {
               return child->isVisible() && child->getMouseEnabled() &&
                      child->hitTest(local, buttons);
           }) != nullptr;
}

// A transparent container without an image is only as solid as its children.
bool CViewContainer::hitTest(const ViewPoint& where, const CButtonState& buttons) {
    if (transparent && background == nullptr) return hitTestSubViews(where, buttons);
    return CView::hitTest(where, buttons);
}

bool CViewContainer::onWheel(const ViewPoint& where, const float& distance,
                             const CButtonState& buttons) {
    const ViewPoint local = toLocal(where);
    return findFromTop([&](CView* child) {
               return child->isVisible() && child->getMouseEnabled() &&
                      child->hitTest(local, buttons) && child->onWheel(local, distance, buttons);
           }) != nullptr;
}

bool CViewContainer::onWheel(const ViewPoint& where, const CMouseWheelAxis& axis,
                             const float& distance, const CButtonState& buttons) {
    const ViewPoint local = toLocal(where);
    return findFromTop([&](CView* child) {
               return child->isVisible() && child->getMouseEnabled() &&
                      child->hitTest(local, buttons) &&
                      child->onWheel(local, axis, distance, buttons);
           }) != nullptr;
}

// ---- drops: handed to the child under the point --------------------------

bool CViewContainer::onDrop(CDragContainer* drag, const ViewPoint& where) {
    CView* target = getViewAt(where);
    return target != nullptr && target->onDrop(drag, toLocal(where));
}

void CViewContainer::onDragEnter(CDragContainer* drag, const ViewPoint& where) {
    if (CView* target = getViewAt(where)) target->onDragEnter(drag, toLocal(where));
}

void CViewContainer::onDragLeave(CDragContainer* drag, const ViewPoint& where) {
    if (CView* target = getViewAt(where)) target->onDragLeave(drag, toLocal(where));
}

void CViewContainer::onDragMove(CDragContainer* drag, const ViewPoint& where) {
    if (CView* target = getViewAt(where)) target->onDragMove(drag, toLocal(where));
}

// ---- look-ups ------------------------------------------------------------------

CView* CViewContainer::getViewAt(const ViewPoint& where, bool deep) const {
    if (!attachedFlag || !visible) return nullptr;
    const ViewPoint local = toLocal(where);
    CView* hit = findFromTop([&](CView* child) {
        return child->isVisible() && pointInside(child->getMouseableArea(), local);
    });
    if (hit != nullptr && deep &&
        hit->notify(nullptr, kMsgCheckIfViewContainer) == kMessageNotified)
        return static_cast<CViewContainer*>(hit)->getViewAt(local, true);
    return hit;
}

CViewContainer* CViewContainer::getContainerAt(const ViewPoint& where, bool deep) const {
    const ViewPoint local = toLocal(where);
    CView* hit = findFromTop([&](CView* child) {
        return child->isVisible() &&
               child->notify(nullptr, kMsgCheckIfViewContainer) == kMessageNotified &&
               pointInside(child->getViewSize(), local);
    });
    auto* self = const_cast<CViewContainer*>(this);
    if (hit == nullptr) return self;
    auto* container = static_cast<CViewContainer*>(hit);
    return deep ? container->getContainerAt(local, true) : container;
}

CView* CViewContainer::getViewAtMouse() const {
    if (parentFrame == nullptr) return nullptr;
    ViewPoint where;
    parentFrame->getCurrentMouseLocation(where);
    frameToLocal(where);
    return findFromTop([&](CView* child) { return pointInside(child->getMouseableArea(), where); });
}

bool CViewContainer::isVisibleIn(const CView& view, const ViewRect& rect) const {
    return view.isVisible() && rectsMeet(view.getViewSize(), rect);
}

// ---- focus -------------------------------------------------------------------

void CViewContainer::looseFocus() {
    for (CView* child : children)
        child->looseFocus();
}

void CViewContainer::takeFocus() {}

bool CViewContainer::advanceNextFocusView(CView* view, bool reverse) {
    std::vector<CView*> order(children.begin(), children.end());
    if (reverse) order.assign(children.rbegin(), children.rend());
    size_t start = 0;
    for (size_t i = 0; view != nullptr && i < order.size(); ++i)
        if (order[i] == view) start = i + 1;
    for (size_t i = start; i < order.size(); ++i) {
        CView* child = order[i];
        if (child->wantsFocus()) {
            if (parentFrame != nullptr) parentFrame->setFocusView(child);
            child->takeFocus();
            return true;
        }
        if (child->notify(nullptr, kMsgCheckIfViewContainer) == kMessageNotified &&
            static_cast<CViewContainer*>(child)->advanceNextFocusView(nullptr, reverse))
            return true;
    }
    return false;
}

} // namespace VSTGUI
