// The plug-in DLL loaded the way a Windows host loads it, and instances
// made through one of its entries on the project's host side.
#pragma once

#include "vsthost/Host.h"
#include "vsthost/SharedLibrary.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class PluginLibrary {
  public:
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool loaded() const { return library.loaded(); }
    // "VSTPluginMain", "main" or "MAIN".
    audioMasterCallback* entry(const char* name) const;
    // An instance through VSTPluginMain; null when the entry refused.
    AEffect* create(const char* entryName = "VSTPluginMain") const;
    // Closes an instance made by create().
    static void destroy(AEffect* effect);

  private:
    gravelo::vsthost::SharedLibrary library;
    // Each instance's host side, kept until the library goes.
    mutable std::vector<std::unique_ptr<gravelo::vsthost::Host>> hosts;
};
