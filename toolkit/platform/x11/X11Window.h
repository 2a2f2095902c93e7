// The X11 window backend: a child window on a display connection of its
// own, drained without blocking from the editor's idle (no thread, no
// XInitThreads), painted from a Cairo image back buffer.
#pragma once

#include "ShownPicture.h"
#include "X11Buttons.h"
#include "toolkit/platform/WindowBackend.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo.h>

namespace VSTGUI::platform {

class X11Window final : public NativeWindow {
  public:
    // Takes display (closed with the window). Null when parent is no window.
    static std::unique_ptr<NativeWindow> open(Display* display, ::Window parent, int width,
                                              int height, WindowListener& listener);
    ~X11Window() override;

    void processEvents() override;
    void paintPending() override;
    void invalidate(const ViewRect& rect) override;
    DrawTarget drawTarget() override;
    void present(const ViewRect& rect) override;

    bool resize(int width, int height) override;
    bool getPosition(int& x, int& y) override;
    bool getParentRect(ViewRect& rect) override;
    bool pointerPosition(ViewPoint& where) override;
    CButtonState currentButtons() override;
    void setCursor(int32_t type) override;
    void releasePointer() override;
    bool isAlive() const override { return window != None; }
    void* nativeHandle() const override { return reinterpret_cast<void*>(window); }
    int eventDescriptor() const override { return ConnectionNumber(display); }

  private:
    X11Window(Display* display, WindowListener& listener);
    bool createWindow(::Window parent, int width, int height);
    void nameWindow();
    void forgetWindow();
    bool screenOrigin(ViewPoint& origin);
    static bool queryScreenPointer(void* self, ViewPoint& position);

    // ---- events (X11Events.cpp): one function per kind
    void dispatch(XEvent& event);
    void onExpose(const XExposeEvent& event);
    void onButtonPress(const XButtonEvent& event);
    void onButtonRelease(const XButtonEvent& event);
    void onMotion(const XMotionEvent& event);
    void onLeave(const XCrossingEvent& event);
    void onDestroy(const XDestroyWindowEvent& event);
    void grabPointer(const XButtonEvent& event);

    // ---- painting (X11Paint.cpp)
    void paintDamage();
    bool ensureBackBuffer();
    void releaseBackBuffer();
    bool putImages(const std::vector<PixelBox>& boxes);
    void copyThroughCairo(const std::vector<PixelBox>& boxes);

    Display* display;
    WindowListener& listener;
    ::Window window = None;
    Visual* visual = nullptr;
    int depth = 0;
    int width = 0;
    int height = 0;
    GC gc = nullptr;
    Region damage = nullptr;
    cairo_surface_t* backBuffer = nullptr;
    ShownPicture shown; // what the server holds, so unchanged pixels stay here
    // The window's screen position when it opened: what draw targets report
    // and the pointer query adds, so that a paint costs no round trip.
    ViewPoint knownOrigin;
    Cursor cursor = None;
    DoubleClickDetector clicks;
    CButtonState heldExtraButtons = 0;
    bool grabbed = false;
};

} // namespace VSTGUI::platform
