// The monitor's content scale on Windows. Windows follows on its own
// branch (the DPI of the monitor under the parent, per monitor); until then
// the system answers the plain scale 1.
#include "toolkit/platform/WindowBackend.h"

namespace VSTGUI::platform {

double systemContentScale(void* /*parent*/) {
    return 1.0;
}

} // namespace VSTGUI::platform
