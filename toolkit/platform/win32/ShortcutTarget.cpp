#include "ShortcutTarget.h"

// windows.h comes first: the headers below rely on its declarations.
#include <windows.h>

#include <shlobj.h>
#include <shobjidl.h>

namespace VSTGUI::platform {
namespace {

constexpr DWORD kResolveQuietly =
    DWORD(SLR_NO_UI) | DWORD(SLR_ANY_MATCH) | (500u << 16); // 500 ms, no dialog
constexpr int kMaxPath = 2048;

std::wstring targetOf(IShellLinkW* link, const std::wstring& path) {
    IPersistFile* file = nullptr;
    std::wstring result = path;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))))
        return result;
    if (SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
        SUCCEEDED(link->Resolve(nullptr, kResolveQuietly))) {
        std::wstring target(kMaxPath, L'\0');
        if (link->GetPath(target.data(), kMaxPath, nullptr, SLGP_SHORTPATH) == S_OK &&
            target[0] != L'\0')
            result = target.c_str();
    }
    file->Release();
    return result;
}

} // namespace

bool isShortcutPath(const std::wstring& path) {
    const size_t dot = path.rfind(L'.');
    return dot != std::wstring::npos && lstrcmpiW(path.c_str() + dot, L".lnk") == 0;
}

std::wstring resolveShortcut(const std::wstring& path) {
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return path;
    std::wstring target = targetOf(link, path);
    link->Release();
    return target;
}

} // namespace VSTGUI::platform
