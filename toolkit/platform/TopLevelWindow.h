// A window of a program's own on the desktop, for a program that shows the
// panel without a host: titled, of a fixed size, split into areas (child
// windows) that frames open in as they open in a host's window. Backends
// without one (Windows, where only plug-ins are built) answer null.
// User-interface thread only.
#pragma once

#include <memory>

namespace VSTGUI::platform {

class TopLevelWindow {
  public:
    // Mapped at the screen's top-left corner (a window manager may move it);
    // null when there is no window system to talk to. The program names its
    // window's class (`instance`, `className`: X11's WM_CLASS), by which
    // window managers and desktops know it; the toolkit knows no program.
    static std::unique_ptr<TopLevelWindow> create(const char* title, const char* instance,
                                                  const char* className, int width, int height);
    virtual ~TopLevelWindow() = default;

    // A child window at (x, y) of width x height, to hand to a frame or an
    // editor as its parent; null when it cannot be made.
    virtual void* addArea(int x, int y, int width, int height) = 0;
    // Takes the window's own events; true once the user asked to close it.
    virtual bool closeRequested() = 0;
    // Readable when the window's own events wait; -1 if there is none.
    virtual int eventDescriptor() const = 0;
    virtual void* nativeHandle() const = 0;
};

} // namespace VSTGUI::platform
