// Loading a VST 3 module as Windows hosts do: LoadLibrary on the bundle's
// DLL, InitDll, then the factory; ExitDll before FreeLibrary.
#include "Vst3TestHost.h"

#include <windows.h>

namespace gravelo::test::vst3 {

namespace {

using DllCall = bool (*)();

} // namespace

Module::Module(const std::string& path) {
    library = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
    if (library == nullptr) {
        why = "LoadLibrary failed on " + path;
        return;
    }
    auto init = reinterpret_cast<DllCall>(symbol("InitDll"));
    auto getFactory = reinterpret_cast<GetFactoryProc>(symbol("GetPluginFactory"));
    if (init == nullptr || getFactory == nullptr || !init()) {
        why = "no InitDll or GetPluginFactory export";
        return;
    }
    pluginFactory = getFactory();
}

Module::~Module() {
    if (library == nullptr) return;
    if (auto exit = reinterpret_cast<DllCall>(symbol("ExitDll"))) exit();
    FreeLibrary(reinterpret_cast<HMODULE>(library));
}

void* Module::symbol(const char* name) const {
    return library != nullptr
               ? reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(library), name))
               : nullptr;
}

} // namespace gravelo::test::vst3
