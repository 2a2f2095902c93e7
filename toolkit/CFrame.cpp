// Construction, the window, painting and the frame's queries; input
// routing is in CFrameInput.cpp.
#include "CFrame.h"

#include "CDrawContext.h"
#include "ContentScale.h"
#include "GraphicsGlobals.h"
#include "VSTGUIEditorInterface.h"

#include <chrono>
#include <cstring>

namespace VSTGUI {

CFrame::CFrame(const ViewRect& rect, void* parent, VSTGUIEditorInterface* owner, double scale)
    : CViewContainer(rect, nullptr), editor(owner), systemWindow(parent),
      contentScale(clampContentScale(scale)) {
    parentFrame = this;
    attachedFlag = true;
    platform::enterDragAndDrop();
    GraphicsGlobals::enter();
    if (parent == nullptr) return;
    window = platform::NativeWindow::create(parent, scaledLength(rect.width(), contentScale),
                                            scaledLength(rect.height(), contentScale), *this);
    if (window == nullptr) {
        open = false;
        return;
    }
    setDropActive(true);
}

CFrame::~CFrame() {
    if (modalView != nullptr) removeView(modalView, false);
    modalView = nullptr;
    setCursor(platform::kCursorDefault);
    setDropActive(false);
    if (drawContext != nullptr) drawContext->forget();
    drawContext = nullptr;
    parentFrame = nullptr;
    focusView = nullptr;
    mouseOverView = nullptr;
    removeAll(true);
    // Closing the window last: the removals above still invalidate it.
    window.reset();
    platform::leaveDragAndDrop();
    GraphicsGlobals::leave();
}

bool CFrame::isTypeOf(const char* name) const {
    return name != nullptr && (std::strcmp(name, "CFrame") == 0 || CViewContainer::isTypeOf(name));
}

// ---- drawing -----------------------------------------------------------------

CDrawContext* CFrame::createDrawContext() {
    if (drawContext != nullptr) {
        drawContext->remember();
        return drawContext;
    }
    DrawTarget target;
    if (hasWindow()) target = window->drawTarget();
    target.bounds = size;
    target.scale = contentScale;
    return new CDrawContext(this, target);
}

void CFrame::draw(CDrawContext* context) {
    drawRect(context, size);
}

void CFrame::drawRect(CDrawContext* context, const ViewRect& updateRect) {
    firstDraw = false;
    const bool ownContext = context == nullptr && drawContext == nullptr;
    CDrawContext* target = context != nullptr ? context : createDrawContext();
    if (context != nullptr) context->remember();
    ViewRect savedClip;
    target->getClipRect(savedClip);
    ViewRect clip = updateRect;
    target->setClipRect(clip.intersect(savedClip));
    if (updateRect.width() > 0 && updateRect.height() > 0)
        CViewContainer::drawRect(target, updateRect);
    target->setClipRect(savedClip);
    target->forget();
    // What went into the back buffer reaches the screen in one copy, so a
    // half-drawn picture is never seen.
    if (ownContext && hasWindow()) window->present(panelToPhysical(updateRect, contentScale));
}

void CFrame::invalidRect(const ViewRect& rect) {
    if (visible && hasWindow()) window->invalidate(panelToPhysical(rect, contentScale));
}

void CFrame::invalid() {
    invalidRect(size);
    setDirty(false);
}

void CFrame::invalidate(const ViewRect& rect) {
    for (CView* child : children)
        if (rectsMeet(child->getViewSize(), rect)) child->setDirty(true);
}

void CFrame::setViewSize(const ViewRect& rect, bool invalidateIt) {
    CViewContainer::setViewSize(rect, invalidateIt);
}

// ---- idle and time -----------------------------------------------------------

void CFrame::idle() {
    if (!open) return;
    if (isDirty()) updateDirtyViews();
    if (!hasWindow()) return;
    if (trackingMouse)
        window->paintPending();
    else
        window->processEvents();
}

void CFrame::paintPending() {
    if (open && hasWindow()) window->paintPending();
}

void CFrame::pumpEditorIdle() {
    if (editor != nullptr) editor->pumpIdle();
}

uint32_t CFrame::getTicks() const {
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int32_t CFrame::getKnobMode() const {
    return editor != nullptr ? editor->getKnobMode() : 0;
}

void CFrame::beginEdit(int32_t index) {
    if (editor != nullptr) editor->beginEdit(index);
}

void CFrame::endEdit(int32_t index) {
    if (editor != nullptr) editor->endEdit(index);
}

// ---- window geometry -----------------------------------------------------------

bool CFrame::getPosition(int32_t& x, int32_t& y) const {
    if (!open || !hasWindow()) return false;
    int wx = 0, wy = 0;
    if (!window->getPosition(wx, wy)) return false;
    x = wx;
    y = wy;
    return true;
}

bool CFrame::getSize(ViewRect& rect) const {
    return open && hasWindow() && window->getParentRect(rect);
}

// The window system here has no frame border to walk up through, so only
// the frame's own window changes size; the host sizes its own window.
bool CFrame::setSize(double width, double height) {
    if (!open) return false;
    if (width == size.width() && height == size.height()) return false;
    const ViewRect resized(size.left, size.top, size.left + width, size.top + height);
    if (hasWindow() &&
        !window->resize(scaledLength(width, contentScale), scaledLength(height, contentScale)))
        return false;
    setViewSize(resized, true);
    return true;
}

bool CFrame::setContentScale(double scale) {
    const double wanted = clampContentScale(scale);
    if (!open || wanted == contentScale) return false;
    if (hasWindow() &&
        !window->resize(scaledLength(size.width(), wanted), scaledLength(size.height(), wanted)))
        return false;
    contentScale = wanted;
    invalid();
    return true;
}

bool CFrame::getCurrentMouseLocation(ViewPoint& where) const {
    ViewPoint physical;
    if (!hasWindow() || !window->pointerPosition(physical)) return false;
    where = physicalToPanel(physical, contentScale);
    return true;
}

CButtonState CFrame::getCurrentMouseButtons() const {
    return hasWindow() ? window->currentButtons() : 0;
}

void CFrame::setCursor(int32_t type) {
    if (hasWindow()) window->setCursor(type);
}

bool CFrame::setDropActive(bool active) {
    if (!active && !dropActive) return true;
    if (!hasWindow()) return false;
    window->acceptDrops(active);
    dropActive = active;
    return true;
}

// ---- what the window reports -------------------------------------------------

// The window speaks physical pixels; everything from here on is in units.
void CFrame::windowPaint(const ViewRect& damaged) {
    drawRect(nullptr, physicalToPanel(damaged, contentScale));
}

CMouseEventResult CFrame::windowMouseDown(ViewPoint where, CButtonState buttons) {
    ViewPoint inFrame = physicalToPanel(where, contentScale);
    return onMouseDown(inFrame, buttons);
}

void CFrame::windowMouseUp(ViewPoint where, CButtonState buttons) {
    ViewPoint inFrame = physicalToPanel(where, contentScale);
    onMouseUp(inFrame, buttons);
}

void CFrame::windowMouseMoved(ViewPoint where, CButtonState buttons) {
    ViewPoint inFrame = physicalToPanel(where, contentScale);
    onMouseMoved(inFrame, buttons);
}

void CFrame::windowWheel(ViewPoint where, CMouseWheelAxis axis, float distance,
                         CButtonState buttons) {
    onWheel(physicalToPanel(where, contentScale), axis, distance, buttons);
}

void CFrame::windowSystemScaleChanged(double systemScale) {
    if (editor != nullptr) editor->systemScaleChanged(systemScale);
}

void CFrame::windowMouseLeft() {
    ViewPoint where(0, 0);
    getCurrentMouseLocation(where);
    onMouseExited(where, getCurrentMouseButtons());
}

// The drag's position is read from the pointer, as the window system's own
// point may be in another coordinate space.
ViewPoint CFrame::pointerInFrame() const {
    ViewPoint where(0, 0);
    getCurrentMouseLocation(where);
    return where;
}

void CFrame::windowDragEnter(CDragContainer* drag) {
    onDragEnter(drag, pointerInFrame());
}

void CFrame::windowDragMove(CDragContainer* drag) {
    onDragMove(drag, pointerInFrame());
}

void CFrame::windowDragLeave(CDragContainer* drag) {
    onDragLeave(drag, pointerInFrame());
}

bool CFrame::windowDrop(CDragContainer* drag) {
    return onDrop(drag, pointerInFrame());
}

void CFrame::windowDestroyed() {
    open = false;
    systemWindow = nullptr;
}

} // namespace VSTGUI
