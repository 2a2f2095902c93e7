// The plug-in module's instance handle, recorded by the loader notification
// and used for the window class, the resources and the plug-in's folder.
// Kept as void* so that the header needs no Windows declarations.
#pragma once

namespace VSTGUI::platform {

void setModuleInstance(void* instance);
// The recorded handle; before any notification, the module that holds this
// code (found by address), so a statically linked program works as well.
void* moduleInstance();

} // namespace VSTGUI::platform
