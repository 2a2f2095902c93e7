// The desktop's content scale on X11: the Xft.dpi resource the desktop
// publishes in the screen's resource database (RESOURCE_MANAGER), read on a
// connection of its own, over the 96 dots per inch of scale 1.
#include "toolkit/ContentScale.h"
#include "toolkit/platform/WindowBackend.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <cstdlib>
#include <cstring>

namespace VSTGUI::platform {

namespace {

double dotsPerInch(const char* resources) {
    if (resources == nullptr) return 0.0;
    XrmDatabase database = XrmGetStringDatabase(resources);
    if (database == nullptr) return 0.0;
    char* type = nullptr;
    XrmValue value{};
    double dpi = 0.0;
    if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr &&
        type != nullptr && std::strcmp(type, "String") == 0)
        dpi = std::strtod(value.addr, nullptr);
    XrmDestroyDatabase(database);
    return dpi > 0.0 ? dpi : 0.0;
}

} // namespace

// The resources belong to the server, not to a window, so parent only has to
// be on the display the connection opens.
double systemContentScale(void* /*parent*/) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 0.0;
    XrmInitialize();
    const double dpi = dotsPerInch(XResourceManagerString(display));
    XCloseDisplay(display);
    return dpi / kDotsPerInchAtScaleOne;
}

} // namespace VSTGUI::platform
