// The panel images as resources of type "DATA" in the plug-in module (put
// there by windres from the Gravelo.rc made by resources/Images.cmake),
// found by number or name; the same images drawn at 2 and 3 times the size
// are of types "DATA2X" and "DATA3X" under the same numbers. A locked
// resource stays mapped as long as the module does.
#include "ModuleInstance.h"
#include "toolkit/ResourceTable.h"

#include <windows.h>

namespace VSTGUI {
namespace {

ResourceData lockFound(HMODULE module, HRSRC found) {
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) return {};
    return {static_cast<const uint8_t*>(bytes), size};
}

HMODULE pluginModule() {
    return static_cast<HMODULE>(platform::moduleInstance());
}

} // namespace

ResourceData findResourceAtScale(int32_t id, int scale) {
    const wchar_t* const types[kLargestResourceScale + 1] = {nullptr, L"DATA", L"DATA2X",
                                                             L"DATA3X"};
    if (id < 0 || id > 0xffff || scale < 1 || scale > kLargestResourceScale) return {};
    HMODULE module = pluginModule();
    return lockFound(module, FindResourceW(module, MAKEINTRESOURCEW(id), types[scale]));
}

ResourceData findResource(const char* name) {
    if (name == nullptr) return {};
    HMODULE module = pluginModule();
    return lockFound(module, FindResourceA(module, name, "DATA"));
}

} // namespace VSTGUI
