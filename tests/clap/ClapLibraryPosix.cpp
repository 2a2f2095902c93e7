// Loading a .clap library as Linux hosts do: dlopen, the clap_entry data
// symbol, init with the library's path.
#include "ClapTestHost.h"

#include <dlfcn.h>

namespace claptest {

ClapLibrary::ClapLibrary(const std::string& path) {
    module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        const char* message = dlerror();
        why = message != nullptr ? message : "dlopen failed";
        return;
    }
    entryPoint = static_cast<const clap_plugin_entry*>(dlsym(module, "clap_entry"));
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
    if (module != nullptr) dlclose(module);
}

} // namespace claptest
