// Drawing, invalidation and dirty tracking of a container.
#include "CBitmap.h"
#include "CDrawContext.h"
#include "CFrame.h"
#include "COffscreenContext.h"
#include "CViewContainer.h"
#include "ViewMessages.h"

namespace VSTGUI {

void CViewContainer::draw(CDrawContext* context) {
    drawRect(context, size);
}

// rect is in the parent's coordinates; the children are drawn in this
// container's own, with the context's offset shifted by its origin.
void CViewContainer::drawRect(CDrawContext* context, const ViewRect& updateRect) {
    if (context == nullptr) return;
    ViewRect local = updateRect;
    local.intersect(size);
    local.offset(-size.left, -size.top);
    if (drawInOffscreen)
        drawThroughOffscreen(context, local);
    else {
        ViewRect savedClip;
        context->getClipRect(savedClip);
        const ViewPoint savedOffset = context->getOffset();
        context->setOffset(ViewPoint(savedOffset.x + size.left, savedOffset.y + size.top));
        drawChildren(context, local);
        context->setOffset(savedOffset);
        context->setClipRect(savedClip);
    }
    setDirty(false);
}

void CViewContainer::drawChildren(CDrawContext* context, const ViewRect& local) {
    ViewRect clip;
    context->getClipRect(clip);
    clip.intersect(local);
    context->setClipRect(clip);
    drawBackgroundRect(context, clip);
    for (CView* child : children) {
        if (!isVisibleIn(*child, clip)) continue;
        ViewRect childClip = child->getViewSize();
        childClip.intersect(clip);
        if (childClip.isEmpty()) continue;
        context->setClipRect(childClip);
        child->drawRect(context, childClip);
    }
    context->setClipRect(clip);
}

// The children go into the container's own bitmap first, which is then
// copied into the context in one piece.
void CViewContainer::drawThroughOffscreen(CDrawContext* context, const ViewRect& local) {
    if (offscreen != nullptr && offscreen->getScale() != context->getScale()) {
        offscreen->forget(); // drawn for another content scale
        offscreen = nullptr;
    }
    if (offscreen == nullptr)
        offscreen = new COffscreenContext(parentFrame, size.width(), size.height(), kBlackColour,
                                          context->getScale());
    offscreen->setOffset(ViewPoint());
    offscreen->resetClipRect();
    drawChildren(offscreen, local);
    ViewRect destination = local;
    destination.offset(size.left, size.top);
    offscreen->getBitmap()->draw(context, destination, local.topLeft());
}

void CViewContainer::drawBackgroundRect(CDrawContext* context, const ViewRect& rect) {
    if (background != nullptr) {
        const ViewPoint source(rect.left + backgroundOffset.x, rect.top + backgroundOffset.y);
        if (transparent)
            background->drawTransparent(context, rect, source);
        else
            background->draw(context, rect, source);
        return;
    }
    if (transparent && backgroundColour.alpha == 255) return;
    context->setFillColor(backgroundColour);
    context->setFrameColor(backgroundColour);
    context->drawRect(ViewRect(0, 0, size.width(), size.height()), kDrawFilledAndStroked);
}

void CViewContainer::setBackgroundColor(Colour colour) {
    backgroundColour = colour;
    setDirty(true);
}

void CViewContainer::setDrawInOffscreen(bool state) {
    drawInOffscreen = state;
    if (!state && offscreen != nullptr) {
        offscreen->forget();
        offscreen = nullptr;
    }
}

// ---- invalidation ------------------------------------------------------------

// The rectangle goes up in the parent's coordinates; the frame, which has
// no parent view, finally asks the window system.
void CViewContainer::invalidRect(const ViewRect& rect) {
    if (!attachedFlag || !visible) return;
    ViewRect up = rect;
    up.offset(size.left, size.top);
    if (parentView != nullptr)
        parentView->invalidRect(up);
    else if (parentFrame != nullptr && parentFrame != static_cast<CView*>(this))
        parentFrame->invalidRect(up);
}

void CViewContainer::invalid() {
    setDirty(false);
    invalidRect(ViewRect(0, 0, size.width(), size.height()));
}

bool CViewContainer::isDirty() const {
    if (dirty) return true;
    const ViewRect area(0, 0, size.width(), size.height());
    for (CView* child : children) {
        if (!child->isDirty()) continue;
        ViewRect shared = child->getViewSize();
        if (!shared.intersect(area).isEmpty()) return true;
    }
    return false;
}

bool CViewContainer::updateDirtyViews() {
    if (!visible) return false;
    if (dirty) {
        invalid();
        return true;
    }
    for (CView* child : children) {
        if (!child->isDirty() || !child->isVisible()) continue;
        if (child->notify(nullptr, kMsgCheckIfViewContainer) == kMessageNotified)
            static_cast<CViewContainer*>(child)->updateDirtyViews();
        else
            child->invalid();
    }
    return true;
}

} // namespace VSTGUI
