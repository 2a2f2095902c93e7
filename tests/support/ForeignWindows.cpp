#include "support/ForeignWindows.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <vector>

namespace gravelo::test::display {

namespace {

std::vector<Window> childrenOf(Display* display, Window window, Window* parent = nullptr) {
    Window root = None, up = None, *children = nullptr;
    unsigned int count = 0;
    std::vector<Window> result;
    if (XQueryTree(display, window, &root, &up, &children, &count) == 0) return result;
    result.assign(children, children + count);
    if (children != nullptr) XFree(children);
    if (parent != nullptr) *parent = up;
    return result;
}

bool classStartsWith(Display* display, Window window, const std::string& prefix) {
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint) == 0) return false;
    const bool match =
        hint.res_class != nullptr && std::string(hint.res_class).rfind(prefix, 0) == 0;
    XFree(hint.res_name);
    XFree(hint.res_class);
    return match;
}

Window search(Display* display, Window under, const std::string& prefix) {
    for (Window child : childrenOf(display, under)) {
        if (classStartsWith(display, child, prefix)) return child;
        if (Window found = search(display, child, prefix)) return found;
    }
    return None;
}

std::string topLevelName(Display* display, Window window) {
    const Window root = DefaultRootWindow(display);
    Window parent = None;
    while (childrenOf(display, window, &parent), parent != root && parent != None)
        window = parent;
    char* name = nullptr;
    std::string result;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) result = name;
    if (name != nullptr) XFree(name);
    return result;
}

} // namespace

ForeignWindow findWindowByClass(const std::string& classPrefix) {
    ForeignWindow found;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return found;
    const Window root = DefaultRootWindow(display);
    if (const Window window = search(display, root, classPrefix)) {
        Window ignored = None;
        found.id = window;
        XTranslateCoordinates(display, window, root, 0, 0, &found.rootX, &found.rootY, &ignored);
        found.topLevelName = topLevelName(display, window);
    }
    XCloseDisplay(display);
    return found;
}

} // namespace gravelo::test::display
