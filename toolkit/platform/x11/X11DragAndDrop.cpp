// X11 windows take no drops here, so there is nothing to set up.
#include "toolkit/platform/WindowBackend.h"

namespace VSTGUI::platform {

void enterDragAndDrop() {}
void leaveDragAndDrop() {}

} // namespace VSTGUI::platform
