#include "Platform.h"

#include <algorithm>
#include <chrono>
#include <dlfcn.h>
#include <sys/stat.h>

namespace gravelo::runtime::platform {

namespace {
const auto libraryStart = std::chrono::steady_clock::now();
} // namespace

std::string moduleFilePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&moduleFilePath), &info) == 0 ||
        info.dli_fname == nullptr)
        return {};
    return info.dli_fname;
}

std::string nativePath(const std::string& name) {
    std::string path = name;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string defaultLogPath() {
    return "/dorv.log.txt";
}

void beep() {} // no beeper on this platform

bool isRegularFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

int32_t processClockMs() {
    const auto elapsed = std::chrono::steady_clock::now() - libraryStart;
    return static_cast<int32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

} // namespace gravelo::runtime::platform
