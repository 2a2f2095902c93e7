#include "PluginLibrary.h"

namespace gravelo::vsthost {

std::unique_ptr<PluginLibrary> PluginLibrary::load(const std::string& path, std::string* error,
                                                   Unloading unloading) {
    auto library = std::make_unique<SharedLibrary>(path, unloading);
    if (!library->loaded()) {
        if (error != nullptr) *error = library->error();
        return nullptr;
    }
    return std::unique_ptr<PluginLibrary>(new PluginLibrary(std::move(library), path));
}

EntryFunction PluginLibrary::entry(const char* name) const {
    // A library without the entry can still resolve "main" through the
    // objects it depends on; only a function of its own is an entry.
    void* symbol = library->symbol(name);
    return symbol != nullptr && library->defines(symbol) ? reinterpret_cast<EntryFunction>(symbol)
                                                         : nullptr;
}

} // namespace gravelo::vsthost
