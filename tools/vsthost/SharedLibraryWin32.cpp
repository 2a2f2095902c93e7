#include "vsthost/SharedLibrary.h"

#include <windows.h>

namespace gravelo::vsthost {

SharedLibrary::SharedLibrary(const std::string& path, Unloading unloading) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        why = "LoadLibrary failed on " + path;
        return;
    }
    // A second reference that is never released keeps the library mapped.
    if (unloading == Unloading::never) LoadLibraryA(path.c_str());
    handle = reinterpret_cast<void*>(module);
}

SharedLibrary::~SharedLibrary() {
    if (handle != nullptr) FreeLibrary(reinterpret_cast<HMODULE>(handle));
}

void* SharedLibrary::symbol(const char* name) const {
    return handle != nullptr
               ? reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle), name))
               : nullptr;
}

// GetProcAddress looks in the module's own exports only.
bool SharedLibrary::defines(void*) const {
    return true;
}

} // namespace gravelo::vsthost
