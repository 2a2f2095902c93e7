// The panel images as resources of type "DATA" in the plug-in module (put
// there by windres from resources/Gravelo.rc), found by number or name.
// A locked resource stays mapped as long as the module does.
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

ResourceData findResource(int32_t id) {
    if (id < 0 || id > 0xffff) return {};
    HMODULE module = pluginModule();
    return lockFound(module, FindResourceW(module, MAKEINTRESOURCEW(id), L"DATA"));
}

ResourceData findResource(int32_t id, int /*scale*/) {
    return findResource(id);
}

ResourceData findResource(const char* name) {
    if (name == nullptr) return {};
    HMODULE module = pluginModule();
    return lockFound(module, FindResourceA(module, name, "DATA"));
}

} // namespace VSTGUI
