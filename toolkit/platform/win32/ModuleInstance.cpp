#include "ModuleInstance.h"

#include <windows.h>

namespace VSTGUI::platform {
namespace {

HMODULE recorded = nullptr;

} // namespace

void setModuleInstance(void* instance) {
    recorded = static_cast<HMODULE>(instance);
}

void* moduleInstance() {
    if (recorded != nullptr) return recorded;
    HMODULE holder = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&moduleInstance), &holder);
    return holder;
}

} // namespace VSTGUI::platform
