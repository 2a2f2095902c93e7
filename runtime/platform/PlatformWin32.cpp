// The runtime's operating-system calls on Windows.
#include "Platform.h"

#include "toolkit/platform/win32/ModuleInstance.h"

#include <windows.h>

namespace gravelo::runtime::platform {

namespace {
const DWORD libraryStart = GetTickCount();
} // namespace

std::string moduleFilePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(
        static_cast<HMODULE>(VSTGUI::platform::moduleInstance()), path, MAX_PATH);
    // A truncated name would point at some other folder.
    if (length == 0 || length >= MAX_PATH) return {};
    return std::string(path, length);
}

// The effect already writes Windows' separators.
std::string nativePath(const std::string& name) {
    return name;
}

// The root of the process's current drive.
std::string defaultLogPath() {
    return "\\dorv.log.txt";
}

void beep() {
    Beep(2000, 200);
}

bool isRegularFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

int32_t processClockMs() {
    return static_cast<int32_t>(GetTickCount() - libraryStart);
}

} // namespace gravelo::runtime::platform
