// The host's side of an editor: its own X connection and a top-level
// window to put the editor in, placed at the screen's origin so that
// synthetic pointer events land at known panel coordinates.
#pragma once

#include <X11/Xlib.h>

namespace torture {

class HostWindow {
  public:
    HostWindow(); // fails the case when there is no display
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    // What effEditOpen receives; after destroy() still the (dead) window id.
    void* handle() const { return reinterpret_cast<void*>(window); }
    void destroy();
    bool alive() const { return !destroyed; }
    // Child windows of the parent, -1 when the query failed.
    int children();
    // A press at (x, y) of the panel, a vertical drag by dy in steps, a release.
    void drag(int x, int y, int dy, int steps);
    Display* connection() const { return display; }

  private:
    Display* display = nullptr;
    Window window = 0;
    bool destroyed = false;
};

} // namespace torture
