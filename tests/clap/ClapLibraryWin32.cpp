// Loading a .clap library as Windows hosts do: LoadLibrary, the clap_entry
// data export, init with the library's path.
#include "ClapTestHost.h"

#include <windows.h>

namespace claptest {

ClapLibrary::ClapLibrary(const std::string& path) {
    HMODULE library = LoadLibraryA(path.c_str());
    module = reinterpret_cast<void*>(library);
    if (library == nullptr) {
        why = "LoadLibrary failed";
        return;
    }
    entryPoint = reinterpret_cast<const clap_plugin_entry*>(
        reinterpret_cast<void*>(GetProcAddress(library, "clap_entry")));
    if (entryPoint == nullptr) {
        why = "no clap_entry";
        return;
    }
    initialised = entryPoint->init(path.c_str());
    if (!initialised) {
        why = "init failed";
        entryPoint = nullptr;
    }
}

ClapLibrary::~ClapLibrary() {
    if (initialised) entryPoint->deinit();
    if (module != nullptr) FreeLibrary(reinterpret_cast<HMODULE>(module));
}

} // namespace claptest
