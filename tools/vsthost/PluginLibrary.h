// A VST 2.x plug-in library loaded with dlopen as a host loads it, and the
// plug-in this build made.
#pragma once

#include "Host.h"

#include <memory>
#include <string>

namespace gravelo::vsthost {

class PluginLibrary {
  public:
    enum class Unloading { onDestruction, never };

    // Null when the library does not load; `error` then says why.
    static std::unique_ptr<PluginLibrary> load(const std::string& path,
                                               std::string* error = nullptr,
                                               Unloading unloading = Unloading::onDestruction);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // The named entry ("VSTPluginMain", "main" or "MAIN") when the library
    // itself defines it, or null.
    EntryFunction entry(const char* name = "VSTPluginMain") const;
    const std::string& path() const { return libraryPath; }

  private:
    PluginLibrary(void* library, std::string path)
        : handle(library), libraryPath(std::move(path)) {}
    void* handle;
    std::string libraryPath;
};

// Where this build put its plug-in (gravelo_builtplugin).
std::string builtPluginPath();

} // namespace gravelo::vsthost
