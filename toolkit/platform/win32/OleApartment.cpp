// Drag and drop needs the thread in an OLE apartment; each editor and each
// frame enters it once and leaves it once.
#include "toolkit/platform/WindowBackend.h"

// windows.h comes first: the headers below rely on its declarations.
#include <windows.h>

#include <ole2.h>

namespace VSTGUI::platform {

namespace {

// Entries that succeeded on this thread: a thread already in another kind
// of apartment refuses, and must then not be taken out of it.
thread_local int entered = 0;

} // namespace

void enterDragAndDrop() {
    if (SUCCEEDED(OleInitialize(nullptr))) ++entered;
}

void leaveDragAndDrop() {
    if (entered == 0) return;
    --entered;
    OleUninitialize();
}

} // namespace VSTGUI::platform
