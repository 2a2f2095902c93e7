#include "PluginLibrary.h"

PluginLibrary::PluginLibrary(const std::string& path) : module(LoadLibraryA(path.c_str())) {}

PluginLibrary::~PluginLibrary() {
    hosts.clear();
    if (module != nullptr) FreeLibrary(module);
}

audioMasterCallback* PluginLibrary::entry(const char* name) const {
    if (module == nullptr) return nullptr;
    return reinterpret_cast<audioMasterCallback*>(GetProcAddress(module, name));
}

AEffect* PluginLibrary::create(const char* entryName) const {
    auto host = std::make_unique<gravelo::vsthost::Host>();
    host->identity = {"Gravelo tests", "wintesthost", 1};
    if (!host->create(reinterpret_cast<gravelo::vsthost::EntryFunction>(entry(entryName))))
        return nullptr;
    hosts.push_back(std::move(host));
    return hosts.back()->effect();
}

void PluginLibrary::destroy(AEffect* effect) {
    if (effect != nullptr) static_cast<gravelo::vsthost::Host*>(effect->user)->close();
}
