// A VST 2.x plug-in library loaded as a host loads it, and the plug-in
// this build made.
#pragma once

#include "Host.h"
#include "SharedLibrary.h"

#include <memory>
#include <string>

namespace gravelo::vsthost {

class PluginLibrary {
  public:
    using Unloading = SharedLibrary::Unloading;

    // Null when the library does not load; `error` then says why.
    static std::unique_ptr<PluginLibrary> load(const std::string& path,
                                               std::string* error = nullptr,
                                               Unloading unloading = Unloading::onDestruction);

    // The named entry ("VSTPluginMain", "main" or "MAIN") when the library
    // itself defines it, or null.
    EntryFunction entry(const char* name = "VSTPluginMain") const;
    const std::string& path() const { return libraryPath; }

  private:
    PluginLibrary(std::unique_ptr<SharedLibrary> loaded, std::string path)
        : library(std::move(loaded)), libraryPath(std::move(path)) {}
    std::unique_ptr<SharedLibrary> library;
    std::string libraryPath;
};

// Where this build put its plug-in (gravelo_builtplugin).
std::string builtPluginPath();

} // namespace gravelo::vsthost
