// Loading a VST 3 module as Linux hosts do: dlopen on the bundle's library,
// ModuleEntry with the handle, then the factory; ModuleExit before dlclose.
#include "Vst3TestHost.h"

#include <dlfcn.h>

namespace gravelo::test::vst3 {

Module::Module(const std::string& path) {
    library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        why = dlerror();
        return;
    }
    auto entry = reinterpret_cast<ModuleEntryProc>(symbol("ModuleEntry"));
    auto getFactory = reinterpret_cast<GetFactoryProc>(symbol("GetPluginFactory"));
    if (entry == nullptr || getFactory == nullptr || !entry(library)) {
        why = "no module entry or factory getter";
        return;
    }
    pluginFactory = getFactory();
}

Module::~Module() {
    if (library == nullptr) return;
    if (auto exit = reinterpret_cast<ModuleExitProc>(symbol("ModuleExit"))) exit();
    dlclose(library);
}

void* Module::symbol(const char* name) const {
    return library != nullptr ? dlsym(library, name) : nullptr;
}

std::string builtModulePath() {
    return GRAVELO_VST3_PATH;
}

const Module& builtModule() {
    static const Module module(builtModulePath());
    return module;
}

} // namespace gravelo::test::vst3
