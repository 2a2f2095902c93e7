// The window class every frame window of this module shares: registered by
// the first frame against the module's own instance handle, unregistered
// after the last one. Process-wide, user-interface thread only.
#pragma once

#include <windows.h>

namespace VSTGUI::platform {

// Registers the class on first use; answers its name ("Plugin%p" with the
// module handle), or null when registration failed.
const wchar_t* acquireWindowClass();
void releaseWindowClass();
// Whether the system reported swapped mouse buttons at registration.
bool mouseButtonsSwapped();
// Frames that currently use the class (for tests and diagnostics).
int windowClassUsers();

} // namespace VSTGUI::platform
