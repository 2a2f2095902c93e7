#include "CVeSTView.h"

#include "VeSTEditorClient.h"

using namespace VSTGUI;

CVeSTView::CVeSTView(const ViewRect& rect, VeSTEditorClient* owner)
    : CView(rect), client(owner), boundsCopy(rect) {}

void CVeSTView::draw(CDrawContext* context) {
    if (client != nullptr) client->onDraw(context, boundsCopy.width(), boundsCopy.height());
}

// Answering "handled" even when the shell ignores the event keeps the mouse
// with this view until the release, like any press it takes.
CMouseEventResult CVeSTView::onMouseDown(ViewPoint& where, const CButtonState& buttons) {
    if (client != nullptr) client->onMouseDown(where.x, where.y, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CVeSTView::onMouseUp(ViewPoint& where, const CButtonState& buttons) {
    if (client != nullptr) client->onMouseUp(where.x, where.y, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CVeSTView::onMouseMoved(ViewPoint& where, const CButtonState& buttons) {
    if (client != nullptr) client->onMouseMoved(where.x, where.y, buttons);
    return kMouseEventHandled;
}

// The frame turns the first move onto the view (and the first one after
// every press) into an entry only; the effect must still learn where the
// pointer is.
CMouseEventResult CVeSTView::onMouseEntered(ViewPoint& where, const CButtonState& buttons) {
    return onMouseMoved(where, buttons);
}

int32_t CVeSTView::onKeyDown(KeyCode& key) {
    if (client != nullptr) client->onKeyDown(key);
    return 1;
}

int32_t CVeSTView::onKeyUp(KeyCode& key) {
    if (client != nullptr) client->onKeyUp(key);
    return 1;
}
