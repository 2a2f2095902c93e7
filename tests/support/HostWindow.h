// The host's side of an editor under an X server: its own connection, a
// top-level parent window to put the editor in, real input through XTEST
// and read-back of what a window shows. Xlib stays out of this header so
// that it does not meet the test framework's names.
#pragma once

#include "toolkit/Colour.h"

#include <cstdint>
#include <functional>
#include <vector>

struct _XDisplay;

namespace gravelo::test::display {

class HostWindow {
  public:
    // Placed at (x, y) of the screen whatever manages windows, so that
    // input lands at known coordinates; by default at the origin and larger
    // than any editor. Throws when there is no display.
    explicit HostWindow(int x = 0, int y = 0, int width = 640, int height = 320);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    // What an editor's open call receives; after destroy() still the (dead) id.
    void* handle() const { return reinterpret_cast<void*>(uintptr_t(parent)); }
    void destroy();
    bool alive() const { return !destroyed; }
    // Child windows of the parent: 0 once destroyed, -1 when the query failed.
    int childCount() const;
    // The size of the parent's first child window (the editor's); false
    // when there is none.
    bool childSize(int& width, int& height) const;
    // The size of any window of the server; false when it is none.
    bool windowSize(void* window, int& width, int& height) const;

    // Real input at window coordinates of the parent (made absolute here).
    void moveTo(int x, int y);
    void button(unsigned int number, bool down);
    void controlKey(bool down);
    void shiftKey(bool down);
    // Wheel notches where the pointer is: up when positive, down otherwise.
    void wheel(int notches);
    // A press of button 1 at (x, y), a vertical drag by dy in steps, a release.
    void drag(int x, int y, int dy, int steps);
    // The same drag at a hand's pace, for another program's window (which
    // takes its events in its own time): up by -dy in 5 px steps with
    // pauses, the button held until the window has painted (and so read)
    // the last position, however busy the machine.
    void dragPatiently(int x, int y, int dy);
    // A quick vertical drag by dy as a hand makes it: the pointer onto (x, y),
    // a press, motions of 5 px with the host's loop (idle) run after each,
    // then the last motion and, releaseDelayMs later with no loop between,
    // the release; the loop runs once more after it.
    void flick(int x, int y, int dy, int releaseDelayMs, const std::function<void()>& idle);

    // A drag as the editor tests of every host make it: onto (x, y) from one
    // pixel off, a press, motions of 5 px by dy with the host's loop run
    // for `loop(ms)` after each, a release, the loop once more.
    void dragInLoop(int x, int y, int dy, const std::function<void(int ms)>& loop);
    // The pixels of the box (x, y, width, height) of the parent as 0xRRGGBB,
    // row by row.
    std::vector<uint32_t> captureBox(int x, int y, int width, int height) const;

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
    _XDisplay* connection = nullptr;
    unsigned long parent = 0;
    bool destroyed = false;
    int originX;
    int originY;
};

// The screen's resource database (what xrdb loads, e.g. "Xft.dpi: 192\n")
// for as long as this lives; the one before is put back after.
class ScreenResources {
  public:
    explicit ScreenResources(const char* text);
    ~ScreenResources();
    ScreenResources(const ScreenResources&) = delete;
    ScreenResources& operator=(const ScreenResources&) = delete;

  private:
    void store(const char* text);

    _XDisplay* connection = nullptr;
    std::vector<char> before;
    bool hadBefore = false;
};

} // namespace gravelo::test::display
