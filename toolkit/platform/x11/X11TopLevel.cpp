// The program's own top-level window on X11, on a connection of its own:
// named for the user and the window manager, of fixed size, and closed by
// the window manager's delete request instead of being destroyed.
#include "toolkit/platform/TopLevelWindow.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace VSTGUI::platform {

namespace {

class X11TopLevel final : public TopLevelWindow {
  public:
    X11TopLevel(Display* connection, const char* title, const char* instance, const char* className,
                int w, int h)
        : display(connection) {
        const int screen = DefaultScreen(display);
        window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, unsigned(w),
                                     unsigned(h), 0, BlackPixel(display, screen),
                                     BlackPixel(display, screen));
        name(title, instance, className);
        fixSize(w, h);
        deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(display, window, &deleteWindow, 1);
        XSelectInput(display, window, StructureNotifyMask);
        XMapWindow(display, window);
        XSync(display, False);
    }
    ~X11TopLevel() override {
        XDestroyWindow(display, window);
        XCloseDisplay(display);
    }

    void* addArea(int x, int y, int w, int h) override {
        const ::Window area =
            XCreateSimpleWindow(display, window, x, y, unsigned(w), unsigned(h), 0, 0, 0);
        XMapWindow(display, area);
        // Frames open their windows on connections of their own: the area
        // must exist on the server before they name it.
        XSync(display, False);
        return reinterpret_cast<void*>(static_cast<uintptr_t>(area));
    }

    bool closeRequested() override {
        while (XPending(display) > 0) {
            XEvent event{};
            XNextEvent(display, &event);
            if (event.type == ClientMessage &&
                static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow)
                closing = true;
        }
        return closing;
    }
    int eventDescriptor() const override { return ConnectionNumber(display); }
    void* nativeHandle() const override {
        return reinterpret_cast<void*>(static_cast<uintptr_t>(window));
    }

  private:
    void name(const char* title, const char* instance, const char* className) {
        XStoreName(display, window, title);
        const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
        XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), utf8, 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(title),
                        static_cast<int>(std::strlen(title)));
        // Xlib takes the names as writable text; it only reads them.
        std::string instanceText = instance, classText = className;
        XClassHint hint{instanceText.data(), classText.data()};
        XSetClassHint(display, window, &hint);
    }
    void fixSize(int w, int h) {
        XSizeHints* hints = XAllocSizeHints();
        hints->flags = PPosition | PMinSize | PMaxSize;
        hints->min_width = hints->max_width = w;
        hints->min_height = hints->max_height = h;
        XSetWMNormalHints(display, window, hints);
        XFree(hints);
    }

    Display* display;
    ::Window window = None;
    Atom deleteWindow = None;
    bool closing = false;
};

} // namespace

std::unique_ptr<TopLevelWindow> TopLevelWindow::create(const char* title, const char* instance,
                                                       const char* className, int width,
                                                       int height) {
    if (width <= 0 || height <= 0) return nullptr;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return nullptr;
    return std::make_unique<X11TopLevel>(display, title, instance, className, width, height);
}

} // namespace VSTGUI::platform
