#include "CView.h"

#include "CBitmap.h"
#include "CDrawContext.h"
#include "CFrame.h"
#include "CViewContainer.h"

#include <cstring>

namespace VSTGUI {

CView::CView(const ViewRect& rect) : size(rect), mouseableArea(rect) {}

CView::~CView() {
    if (background != nullptr) background->forget();
}

void CView::draw(CDrawContext* context) {
    if (background != nullptr && context != nullptr) {
        if (transparent)
            background->drawTransparent(context, size);
        else
            background->draw(context, size);
    }
    setDirty(false);
}

// A detached or hidden view has nothing on screen to repaint.
void CView::invalidRect(const ViewRect& rect) {
    if (!attachedFlag || !visible) return;
    if (parentView != nullptr)
        parentView->invalidRect(rect);
    else if (parentFrame != nullptr)
        parentFrame->invalidRect(rect);
}

void CView::invalid() {
    setDirty(false);
    invalidRect(size);
}

void CView::setVisible(bool state) {
    if (visible == state) return;
    visible = state;
    setDirty(true);
}

CMouseEventResult CView::onMouseDown(ViewPoint&, const CButtonState&) {
    return kMouseEventNotImplemented;
}
CMouseEventResult CView::onMouseUp(ViewPoint&, const CButtonState&) {
    return kMouseEventNotImplemented;
}
CMouseEventResult CView::onMouseMoved(ViewPoint&, const CButtonState&) {
    return kMouseEventNotImplemented;
}
CMouseEventResult CView::onMouseEntered(ViewPoint&, const CButtonState&) {
    return kMouseEventNotImplemented;
}
CMouseEventResult CView::onMouseExited(ViewPoint&, const CButtonState&) {
    return kMouseEventNotImplemented;
}

bool CView::hitTest(const ViewPoint& where, const CButtonState&) {
    return pointInside(mouseableArea, where);
}

bool CView::onWheel(const ViewPoint&, const float&, const CButtonState&) {
    return false;
}

// The one-axis form counts a wheel turned away from the user as positive,
// which on the horizontal axis points the other way round.
bool CView::onWheel(const ViewPoint& where, const CMouseWheelAxis& axis, const float& distance,
                    const CButtonState& buttons) {
    const float oneAxis = axis == kMouseWheelAxisX ? -distance : distance;
    return onWheel(where, oneAxis, buttons);
}

bool CView::onDrop(CDragContainer*, const ViewPoint&) {
    return false;
}
void CView::onDragEnter(CDragContainer*, const ViewPoint&) {}
void CView::onDragLeave(CDragContainer*, const ViewPoint&) {}
void CView::onDragMove(CDragContainer*, const ViewPoint&) {}

int32_t CView::onKeyDown(KeyCode&) {
    return -1;
}
int32_t CView::onKeyUp(KeyCode&) {
    return -1;
}

void CView::setViewSize(const ViewRect& rect, bool invalidate) {
    size = rect;
    if (invalidate) invalid();
}

ViewRect CView::getVisibleSize() const {
    return parentView != nullptr ? parentView->getVisibleSize(*this) : size;
}

ViewPoint& CView::frameToLocal(ViewPoint& point) const {
    return parentView != nullptr ? parentView->frameToLocal(point) : point;
}

ViewPoint& CView::parentToFrame(ViewPoint& point) const {
    return parentView != nullptr ? parentView->parentToFrame(point) : point;
}

ViewPoint& CView::localToFrame(ViewPoint& point) const {
    point.offset(size.left, size.top);
    return parentView != nullptr ? parentView->parentToFrame(point) : point;
}

void CView::setBackground(CBitmap* bitmap) {
    if (bitmap != nullptr) bitmap->remember();
    if (background != nullptr) background->forget();
    background = bitmap;
    setDirty(true);
}

bool CView::removed(CView*) {
    const bool wasAttached = attachedFlag;
    parentView = nullptr;
    parentFrame = nullptr;
    attachedFlag = false;
    return wasAttached;
}

bool CView::attached(CView* parent) {
    if (attachedFlag || parent == nullptr) return false;
    parentView = static_cast<CViewContainer*>(parent);
    parentFrame = parent->getFrame();
    attachedFlag = true;
    return true;
}

VSTGUIEditorInterface* CView::getEditor() const {
    return parentFrame != nullptr ? parentFrame->getEditor() : nullptr;
}

bool CView::isTypeOf(const char* name) const {
    return name != nullptr && std::strcmp(name, "CView") == 0;
}

void CView::copyFieldsTo(CView& target) const {
    target.size = size;
    target.mouseableArea = mouseableArea;
    target.dirty = dirty;
    target.mouseEnabled = mouseEnabled;
    target.transparent = transparent;
    target.wantsFocusFlag = wantsFocusFlag;
    target.visible = visible;
    target.autosizeFlags = autosizeFlags;
    target.setBackground(background);
    target.dirty = dirty;
}

CView* CView::copy() const {
    auto* view = new CView(size);
    copyFieldsTo(*view);
    return view;
}

void CView::getMouseLocation(CDrawContext* context, ViewPoint& point) {
    if (context != nullptr) context->getMouseLocation(point);
    frameToLocal(point);
}

} // namespace VSTGUI
