#include "PluginLibrary.h"

PluginLibrary::PluginLibrary(const std::string& path) : library(path) {}

PluginLibrary::~PluginLibrary() {
    hosts.clear();
}

audioMasterCallback* PluginLibrary::entry(const char* name) const {
    return reinterpret_cast<audioMasterCallback*>(library.symbol(name));
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
