// Loading a .clap library as Linux hosts do: dlopen and the clap_entry data
// symbol.
#include "ClapTestHost.h"

#include <dlfcn.h>

namespace gravelo::test::clap {

void* ClapLibrary::openModule(const std::string& path, std::string& why) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* message = dlerror();
        why = message != nullptr ? message : "dlopen failed";
    }
    return library;
}

void* ClapLibrary::moduleSymbol(void* library, const char* name) {
    return dlsym(library, name);
}

void ClapLibrary::closeModule(void* library) {
    dlclose(library);
}

} // namespace gravelo::test::clap
