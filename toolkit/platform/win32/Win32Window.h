// The Win32 window backend: a child window of class "Plugin%p" inside the
// host's window. The host's own message loop delivers its messages to the
// window procedure, which hands them to the listener; paints draw straight
// onto the paint's device context (composited windows double-buffer), or,
// on systems before window composition, through a back buffer.
#pragma once

#include "toolkit/platform/WindowBackend.h"

#include <windows.h>

namespace VSTGUI::platform {

class CDropTarget;

// The content scale of a DPI: dpi / 96 (Win32SystemScale.cpp).
double scaleOfDpi(UINT dpi);

class Win32Window final : public NativeWindow {
  public:
    // Null when parent is no window or the window cannot be made.
    static std::unique_ptr<NativeWindow> open(HWND parent, int width, int height,
                                              WindowListener& listener);
    ~Win32Window() override;

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
    void acceptDrops(bool active) override;
    bool isAlive() const override { return window != nullptr; }
    void* nativeHandle() const override { return window; }

    WindowListener& getListener() { return listener; }

    // The procedure of the registered class (Win32Messages.cpp).
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    Win32Window(WindowListener& listener, int width, int height);
    bool createWindow(HWND parent);
    void destroyWindow();
    static bool queryScreenPointer(void* self, ViewPoint& position);
    ViewPoint screenOrigin() const;

    // ---- messages (Win32Messages.cpp): one function per kind
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void onPaint();
    void onButtonDown(WPARAM wParam, LPARAM lParam, CButtonState extra);
    void onButtonUp(WPARAM wParam, LPARAM lParam);
    void onMouseMove(WPARAM wParam, LPARAM lParam);
    void onWheel(WPARAM wParam, LPARAM lParam);
    void onMouseLeave();
    void onDestroy();

    // ---- painting (Win32Paint.cpp)
    bool wantsBackBuffer() const;
    bool ensureBackBuffer();
    void releaseBackBuffer();
    HDC currentDeviceContext();
    void releaseHeldDeviceContext();

    WindowListener& listener;
    HWND window = nullptr;
    int width;
    int height;
    // The paint's device context while a paint message is handled.
    HDC paintDC = nullptr;
    // A device context fetched for drawing outside a paint, given back at
    // the next paint, the next idle or when the window goes.
    HDC heldDC = nullptr;
    // Back buffer of systems without window composition.
    HDC bufferDC = nullptr;
    HBITMAP bufferBitmap = nullptr;
    HGDIOBJ bufferOldBitmap = nullptr;
    bool trackingLeave = false;
    bool classHeld = false;
    HCURSOR defaultCursor = nullptr;
    bool defaultCursorKnown = false;
    CDropTarget* dropTarget = nullptr;
};

} // namespace VSTGUI::platform
