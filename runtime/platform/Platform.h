// What the runtime needs from the operating system, one implementation per platform.
#pragma once

#include <cstdint>
#include <string>

namespace gravelo::runtime::platform {

// Full path of the loaded plug-in library; empty when it cannot be known. On
// Windows a path longer than MAX_PATH (260 bytes) counts as unknown.
std::string moduleFilePath();
// Turns a name written with the effect's separators into this platform's form.
std::string nativePath(const std::string& name);
// The diagnostics log's fixed location.
std::string defaultLogPath();
// A short audible signal after a log line, where the platform has a beeper.
void beep();
// True if `path` names something that exists and is not a folder.
bool isRegularFile(const std::string& path);
// Milliseconds of wall time since the library was loaded.
int32_t processClockMs();

} // namespace gravelo::runtime::platform
