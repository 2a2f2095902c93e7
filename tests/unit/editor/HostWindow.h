// The host's side of the editor tests under the virtual X server: its own
// connection, a top-level parent window, real input through XTEST and
// read-back of what a window shows. Xlib stays out of this header so that
// it does not meet the test framework's names.
#pragma once

#include "toolkit/Colour.h"

#include <cstdint>
#include <vector>

class HostWindow {
  public:
    HostWindow(int x, int y, int width, int height);
    ~HostWindow();

    void* parentHandle() const { return reinterpret_cast<void*>(uintptr_t(parent)); }
    void destroyParent();
    int childCount() const;

    // Real input at window coordinates of the parent (made absolute here).
    void moveTo(int x, int y);
    void button(unsigned int number, bool down);
    void controlKey(bool down);

    // Opaque colour of one pixel of window (any window of the server).
    VSTGUI::Colour pixel(void* window, int x, int y) const;
    // Every pixel of the top-left width x height of window as 0xRRGGBB.
    std::vector<uint32_t> capture(void* window, int width, int height) const;
    // Paints an opaque red box over what window shows, as another client
    // could, without telling the window.
    void scribble(void* window, int x, int y, int width, int height);
    // Makes the server report the box of window as lost (an Expose).
    void expose(void* window, int x, int y, int width, int height);

  private:
    struct _XDisplay* connection;
    unsigned long parent;
    int originX;
    int originY;
};
