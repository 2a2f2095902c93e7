#include "PluginLibrary.h"

#include <dlfcn.h>

namespace gravelo::vsthost {

std::unique_ptr<PluginLibrary> PluginLibrary::load(const std::string& path, std::string* error,
                                                   Unloading unloading) {
    // A library that stays mapped keeps what it builds once per process
    // (tables, caches) its own until exit instead of being cut off by an unload.
    const int flags = RTLD_NOW | RTLD_LOCAL | (unloading == Unloading::never ? RTLD_NODELETE : 0);
    void* handle = dlopen(path.c_str(), flags);
    if (handle == nullptr) {
        const char* why = dlerror();
        if (error != nullptr) *error = why != nullptr ? why : "unknown error";
        return nullptr;
    }
    return std::unique_ptr<PluginLibrary>(new PluginLibrary(handle, path));
}

PluginLibrary::~PluginLibrary() {
    dlclose(handle);
}

EntryFunction PluginLibrary::entry(const char* name) const {
    void* symbol = dlsym(handle, name);
    if (symbol == nullptr) return nullptr;
    // A library without the entry can still resolve "main" through the
    // objects it depends on; only a function of its own is an entry.
    Dl_info symbolInfo{}, libraryInfo{};
    void* probe = dlsym(handle, "VSTPluginMain");
    const bool own = probe == nullptr || probe == symbol || dladdr(symbol, &symbolInfo) == 0 ||
                     dladdr(probe, &libraryInfo) == 0 ||
                     symbolInfo.dli_fbase == libraryInfo.dli_fbase;
    return own ? reinterpret_cast<EntryFunction>(symbol) : nullptr;
}

} // namespace gravelo::vsthost
