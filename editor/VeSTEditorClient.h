// What the editor needs from the shell it shows: the effect's drawing, the
// mouse and keys of its one view, and the idle tick. A shell of any plug-in
// format implements it and hands itself to CVeSTEditor. User-interface
// thread only.
#pragma once

#include "toolkit/KeyCode.h"

#include <cstdint>

class CVeSTCanvas;

namespace VSTGUI {
class CDrawContext;
}

class VeSTEditorClient {
  public:
    virtual ~VeSTEditorClient() = default;

    // Draws the effect with `context` (its clip is the damaged area) onto a
    // view of width × height pixels.
    virtual void onDraw(VSTGUI::CDrawContext* context, double width, double height) = 0;
    // View coordinates; `buttons` is the frame's button state (CButtonState bits).
    virtual void onMouseDown(double x, double y, int32_t buttons) = 0;
    virtual void onMouseUp(double x, double y, int32_t buttons) = 0;
    virtual void onMouseMoved(double x, double y, int32_t buttons) = 0;
    // Vertical wheel notches over the view, up positive; true when taken.
    // The VST 2.x shell leaves the wheel to its host, as it always has.
    virtual bool onWheel(double /*x*/, double /*y*/, float /*notches*/, int32_t /*buttons*/) {
        return false;
    }
    virtual void onKeyDown(const KeyCode& key) = 0;
    virtual void onKeyUp(const KeyCode& key) = 0;
    // The idle tick while the view is shown; true when the view is due for a
    // repaint, which the editor then asks of its view.
    virtual bool onEditorIdle() = 0;
    // The canvas onDraw lends its context to, when the shell has one: the
    // view at a content scale records a frame's drawing through it, and
    // repaints from the recording.
    virtual CVeSTCanvas* editorCanvas() { return nullptr; }
};
