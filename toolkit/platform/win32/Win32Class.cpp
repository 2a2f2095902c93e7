#include "Win32Class.h"

#include "ModuleInstance.h"
#include "Win32Window.h"

#include <cwchar>

namespace VSTGUI::platform {
namespace {

wchar_t className[64] = {};
int users = 0;
bool swapped = false;
// Double clicks arrive as their own messages; a global class, so other
// modules' windows of the same name never collide with it.
constexpr UINT kClassStyle = CS_DBLCLKS | CS_GLOBALCLASS;

HINSTANCE instance() {
    return static_cast<HINSTANCE>(moduleInstance());
}

bool registerClass() {
    std::swprintf(className, sizeof className / sizeof className[0], L"Plugin%p", moduleInstance());
    WNDCLASSW windowClass{};
    windowClass.style = kClassStyle;
    windowClass.lpfnWndProc = &Win32Window::windowProc;
    windowClass.hInstance = instance();
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // the arrow
    windowClass.lpszClassName = className;
    swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    return RegisterClassW(&windowClass) != 0;
}

} // namespace

const wchar_t* acquireWindowClass() {
    if (++users == 1 && !registerClass()) {
        users = 0;
        return nullptr;
    }
    return className;
}

void releaseWindowClass() {
    if (users == 0) return;
    if (--users == 0) UnregisterClassW(className, instance());
}

bool mouseButtonsSwapped() {
    return swapped;
}

int windowClassUsers() {
    return users;
}

} // namespace VSTGUI::platform
