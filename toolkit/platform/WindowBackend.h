// The toolkit's one door to a window system: a child window inside a
// window the host provides, its input and its paints. Each backend (one
// folder under platform/, picked by CMake) implements it; nothing above
// this header sees the window system's own types. Every operation runs on
// the user-interface thread; none blocks.
#pragma once

#include "toolkit/ButtonState.h"
#include "toolkit/CDrawContext.h"
#include "toolkit/ViewTypes.h"

#include <cstdint>
#include <memory>

namespace VSTGUI {
class CDragContainer;
}

namespace VSTGUI::platform {

// The window system's per-user set-up for drag and drop (the OLE apartment
// on Windows; nothing elsewhere). Every editor and every frame enters once
// and leaves once, on the user-interface thread.
void enterDragAndDrop();
void leaveDragAndDrop();

// The content scale the system asks for on the screen of parent (a host's
// native window; null: the default screen): on X11 the Xft.dpi resource /
// 96, on Windows the DPI of the monitor under parent / 96. 0 when the
// system says nothing, so that the next source in the order may speak.
double systemContentScale(void* parent);

// What a native window reports to its owner while it drains its events.
class WindowListener {
  public:
    // The damaged area, in window coordinates, must be drawn now into the
    // window's drawing target; the window shows it afterwards.
    virtual void windowPaint(const ViewRect& damaged) = 0;
    // Answers the frame's CMouseEventResult; kMouseEventHandled makes the
    // window keep the pointer until the button is released.
    virtual CMouseEventResult windowMouseDown(ViewPoint where, CButtonState buttons) = 0;
    virtual void windowMouseUp(ViewPoint where, CButtonState buttons) = 0;
    virtual void windowMouseMoved(ViewPoint where, CButtonState buttons) = 0;
    // distance in notches; buttons carries modifier bits only.
    virtual void windowWheel(ViewPoint where, CMouseWheelAxis axis, float distance,
                             CButtonState buttons) = 0;
    virtual void windowMouseLeft() = 0;
    // The window is gone (usually because the host destroyed its parent);
    // every later operation on it does nothing.
    virtual void windowDestroyed() = 0;
    // A drag over the window, where the window system delivers one. The
    // container lives from enter to leave or drop; windowDrop answers
    // whether a view took the drop.
    virtual void windowDragEnter(CDragContainer* drag) = 0;
    virtual void windowDragMove(CDragContainer* drag) = 0;
    virtual void windowDragLeave(CDragContainer* drag) = 0;
    virtual bool windowDrop(CDragContainer* drag) = 0;
    // The system's scale for the window changed (on Windows when it moved
    // to a monitor of another DPI); systemScale as systemContentScale says.
    virtual void windowSystemScaleChanged(double systemScale) = 0;

  protected:
    ~WindowListener() = default;
};

// Cursor shapes of setCursor; any other value restores the default.
enum CursorType : int32_t {
    kCursorDefault = 0,
    kCursorWait = 1,
    kCursorHSize = 2,
    kCursorVSize = 3,
    kCursorSizeAll = 4,
    kCursorNESWSize = 5,
    kCursorNWSESize = 6,
    kCursorNotAllowed = 8,
    kCursorHand = 9,
};

class NativeWindow {
  public:
    // A visible child window of width x height physical pixels at (0, 0)
    // inside parent (the host's native window handle). Every size, damage
    // rectangle and pointer position of this interface is in physical
    // pixels; the frame turns them into its own units. Null when there is no window system to
    // talk to or the parent is not a window.
    static std::unique_ptr<NativeWindow> create(void* parent, int width, int height,
                                                WindowListener& listener);
    virtual ~NativeWindow() = default;

    // Reads every pending event without waiting, hands each to the
    // listener, then paints the damage collected so far in one go.
    virtual void processEvents() = 0;
    // Paints the damage collected so far (and any the window system
    // reported) without handing any other event on.
    virtual void paintPending() = 0;
    // Adds rect to the damage painted by the next processEvents.
    virtual void invalidate(const ViewRect& rect) = 0;
    // The target windowPaint draws into: the window's back buffer.
    virtual DrawTarget drawTarget() = 0;
    // Copies rect of the back buffer onto the window.
    virtual void present(const ViewRect& rect) = 0;

    [[nodiscard]] virtual bool resize(int width, int height) = 0;
    // Top-left corner in the parent's coordinates.
    [[nodiscard]] virtual bool getPosition(int& x, int& y) = 0;
    // The parent's rectangle in the coordinates of the parent's parent.
    [[nodiscard]] virtual bool getParentRect(ViewRect& rect) = 0;
    // The pointer relative to the window; false when it cannot be read.
    [[nodiscard]] virtual bool pointerPosition(ViewPoint& where) = 0;
    // Buttons and modifiers held right now.
    virtual CButtonState currentButtons() = 0;
    virtual void setCursor(int32_t type) = 0;
    virtual void releasePointer() = 0;

    // Registers (or revokes) the window as a place to drop on; backends
    // without drag and drop ignore it.
    virtual void acceptDrops(bool /*active*/) {}

    virtual bool isAlive() const = 0;
    // The native handle, for tests and diagnostics.
    virtual void* nativeHandle() const = 0;
    // A descriptor that turns readable when events wait for processEvents
    // (hosts poll it); -1 where the window system delivers events otherwise.
    virtual int eventDescriptor() const { return -1; }
};

} // namespace VSTGUI::platform
