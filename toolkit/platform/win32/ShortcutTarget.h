// Shortcut files (".lnk") among dropped files stand for their targets.
#pragma once

#include <string>

namespace VSTGUI::platform {

// True when the text from the path's last "." is ".lnk", in any case.
bool isShortcutPath(const std::wstring& path);
// The short path of the shortcut's target, resolved without any user
// interface; the path itself when it cannot be resolved.
std::wstring resolveShortcut(const std::wstring& path);

} // namespace VSTGUI::platform
