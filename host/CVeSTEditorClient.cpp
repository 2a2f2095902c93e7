// The shell as the editor's client: each draw, mouse event, key and idle
// tick of the editor goes to its entry of the callback table, when present.
#include "CVeST.h"

#include <utility>

// The runtime's drawing services act only while the canvas holds the
// context, so it is lent for exactly the length of the graphics hook.
void CVeST::onDraw(VSTGUI::CDrawContext* context, double width, double height) {
    if (callbacks.onDraw == nullptr) return;
    const CVeSTCanvas::Lend lent(canvas, context);
    callbacks.onDraw(this, width, height);
}

void CVeST::onMouseDown(double x, double y, int32_t buttons) {
    if (callbacks.onMouseDown != nullptr) callbacks.onMouseDown(this, x, y, buttons);
}

void CVeST::onMouseUp(double x, double y, int32_t buttons) {
    if (callbacks.onMouseUp != nullptr) callbacks.onMouseUp(this, x, y, buttons);
}

void CVeST::onMouseMoved(double x, double y, int32_t buttons) {
    if (callbacks.onMouseMoved != nullptr) callbacks.onMouseMoved(this, x, y, buttons);
}

void CVeST::onKeyDown(const KeyCode& key) {
    if (callbacks.onKeyDown != nullptr)
        callbacks.onKeyDown(this, key.character, key.modifier, key.virt);
}

void CVeST::onKeyUp(const KeyCode& key) {
    if (callbacks.onKeyUp != nullptr)
        callbacks.onKeyUp(this, key.character, key.modifier, key.virt);
}

// The runtime's idle hook decides whether a repaint is due (repaintEditor).
bool CVeST::onEditorIdle() {
    if (callbacks.onEditorIdle != nullptr) callbacks.onEditorIdle(this);
    return std::exchange(repaintDue, false);
}
