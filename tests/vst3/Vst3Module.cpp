// Loading a VST 3 module as the platform's hosts do: the bundle's library,
// its entry (Linux: ModuleEntry with the handle; Windows: InitDll), then the
// factory; the exit call before the library is unloaded.
#include "Vst3TestHost.h"

namespace gravelo::test::vst3 {

namespace {

#ifdef _WIN32
using DllCall = bool (*)();
bool enter(const vsthost::SharedLibrary& library) {
    const auto init = reinterpret_cast<DllCall>(library.symbol("InitDll"));
    return init != nullptr && init();
}
void leave(const vsthost::SharedLibrary& library) {
    if (const auto exit = reinterpret_cast<DllCall>(library.symbol("ExitDll"))) exit();
}
#else
bool enter(const vsthost::SharedLibrary& library) {
    const auto entry = reinterpret_cast<ModuleEntryProc>(library.symbol("ModuleEntry"));
    return entry != nullptr && entry(library.native());
}
void leave(const vsthost::SharedLibrary& library) {
    if (const auto exit = reinterpret_cast<ModuleExitProc>(library.symbol("ModuleExit"))) exit();
}
#endif

} // namespace

Module::Module(const std::string& path) : library(std::make_unique<vsthost::SharedLibrary>(path)) {
    if (!library->loaded()) {
        why = library->error();
        return;
    }
    const auto getFactory = reinterpret_cast<GetFactoryProc>(library->symbol("GetPluginFactory"));
    if (getFactory == nullptr || !enter(*library)) {
        why = "no module entry or factory getter";
        library.reset();
        return;
    }
    entered = true;
    pluginFactory = getFactory();
}

Module::Module(IPluginFactory* linked) : pluginFactory(linked) {}

Module::~Module() {
    if (entered) leave(*library);
}

void* Module::symbol(const char* name) const {
    return library != nullptr ? library->symbol(name) : nullptr;
}

#ifdef GRAVELO_VST3_PATH
std::string builtModulePath() {
    return GRAVELO_VST3_PATH;
}

const Module& builtModule() {
    static const Module module(builtModulePath());
    return module;
}
#endif

} // namespace gravelo::test::vst3
