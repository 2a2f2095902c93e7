// The loader's notification: the module handle is all the plug-in needs
// from it (resources and the plug-in's folder are found through it). No
// graphics library start-up here: the loader lock is held.
#include "toolkit/platform/win32/ModuleInstance.h"

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
    VSTGUI::platform::setModuleInstance(instance);
    return TRUE;
}
