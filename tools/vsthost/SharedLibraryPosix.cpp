#include "vsthost/SharedLibrary.h"

#include <dlfcn.h>

namespace gravelo::vsthost {

SharedLibrary::SharedLibrary(const std::string& path, Unloading unloading) {
    // A library that stays mapped keeps what it builds once per process
    // (tables, caches) its own until exit instead of being cut off by an unload.
    const int flags = RTLD_NOW | RTLD_LOCAL | (unloading == Unloading::never ? RTLD_NODELETE : 0);
    handle = dlopen(path.c_str(), flags);
    if (handle == nullptr) {
        const char* message = dlerror();
        why = message != nullptr ? message : "dlopen failed";
    }
}

SharedLibrary::~SharedLibrary() {
    if (handle != nullptr) dlclose(handle);
}

void* SharedLibrary::symbol(const char* name) const {
    return handle != nullptr ? dlsym(handle, name) : nullptr;
}

bool SharedLibrary::defines(void* found) const {
    // dlsym also resolves names through the libraries this one depends on:
    // compare the object a known symbol of this library lies in.
    Dl_info foundInfo{}, ownInfo{};
    void* own = nullptr;
    for (const char* name : {"VSTPluginMain", "clap_entry", "GetPluginFactory", "lv2ui_descriptor"})
        if ((own = symbol(name)) != nullptr) break;
    return own == nullptr || own == found || dladdr(found, &foundInfo) == 0 ||
           dladdr(own, &ownInfo) == 0 || foundInfo.dli_fbase == ownInfo.dli_fbase;
}

} // namespace gravelo::vsthost
