#include "CVeSTView.h"

#include "host/CVeST.h"

using namespace VSTGUI;

CVeSTView::CVeSTView(const ViewRect& rect, CVeST* owner)
    : CView(rect), shell(owner), boundsCopy(rect) {}

// The runtime's drawing services act only while drawContext is set, so it
// is lent for exactly the length of the effect's graphics hook.
void CVeSTView::draw(CDrawContext* context) {
    if (shell == nullptr || shell->callbacks.onDraw == nullptr) return;
    shell->drawContext = context;
    shell->callbacks.onDraw(shell, boundsCopy.width(), boundsCopy.height());
    shell->drawContext = nullptr;
}

// Answering "handled" even without an entry keeps the mouse with this view
// until the release, like any press it takes.
CMouseEventResult CVeSTView::onMouseDown(ViewPoint& where, const CButtonState& buttons) {
    if (shell != nullptr && shell->callbacks.onMouseDown != nullptr)
        shell->callbacks.onMouseDown(shell, where.x, where.y, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CVeSTView::onMouseUp(ViewPoint& where, const CButtonState& buttons) {
    if (shell != nullptr && shell->callbacks.onMouseUp != nullptr)
        shell->callbacks.onMouseUp(shell, where.x, where.y, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CVeSTView::onMouseMoved(ViewPoint& where, const CButtonState& buttons) {
    if (shell != nullptr && shell->callbacks.onMouseMoved != nullptr)
        shell->callbacks.onMouseMoved(shell, where.x, where.y, buttons);
    return kMouseEventHandled;
}

// The frame turns the first move onto the view (and the first one after
// every press) into an entry only; the effect must still learn where the
// pointer is.
CMouseEventResult CVeSTView::onMouseEntered(ViewPoint& where, const CButtonState& buttons) {
    return onMouseMoved(where, buttons);
}

int32_t CVeSTView::onKeyDown(KeyCode& key) {
    if (shell != nullptr && shell->callbacks.onKeyDown != nullptr)
        shell->callbacks.onKeyDown(shell, key.character, key.modifier, key.virt);
    return 1;
}

int32_t CVeSTView::onKeyUp(KeyCode& key) {
    if (shell != nullptr && shell->callbacks.onKeyUp != nullptr)
        shell->callbacks.onKeyUp(shell, key.character, key.modifier, key.virt);
    return 1;
}
