// The host's side of an editor: a top-level window to open it in, a
// message pump that also gives the editor its idle ticks, and reading the
// pixels the editor's window shows.
#pragma once

#include "host/VstInterface.h"

#include <windows.h>

#include <cstdint>
#include <vector>

class HostWindow {
  public:
    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND handle() const { return window; }
    // Makes the window width x height, as a host sizes its window to the
    // editor's rectangle.
    void resize(int width, int height) const;
    // The editor's child window, found by its name "Window"; null if none.
    HWND editorWindow() const;
    // Runs the message loop for ms milliseconds, idling effect (when given)
    // every 10 ms as hosts do.
    void pump(AEffect* effect, int ms) const;

  private:
    HWND window = nullptr;
};

// 0x00RRGGBB pixels of a window's client area, row by row; empty on failure.
std::vector<uint32_t> capturePixels(HWND window, int width, int height);
