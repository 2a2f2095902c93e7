// Loading a .clap library as Windows hosts do: LoadLibrary and the
// clap_entry data export.
#include "ClapTestHost.h"

#include <windows.h>

namespace gravelo::test::clap {

void* ClapLibrary::openModule(const std::string& path, std::string& why) {
    HMODULE library = LoadLibraryA(path.c_str());
    if (library == nullptr) why = "LoadLibrary failed";
    return reinterpret_cast<void*>(library);
}

void* ClapLibrary::moduleSymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(library), name));
}

void ClapLibrary::closeModule(void* library) {
    FreeLibrary(reinterpret_cast<HMODULE>(library));
}

} // namespace gravelo::test::clap
