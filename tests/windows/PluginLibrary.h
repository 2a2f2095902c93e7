// The plug-in DLL loaded the way a Windows host loads it, and instances
// made through one of its entries with a minimal host callback.
#pragma once

#include "host/VstInterface.h"

#include <windows.h>

#include <string>

class PluginLibrary {
  public:
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool loaded() const { return module != nullptr; }
    // "VSTPluginMain", "main" or "MAIN".
    audioMasterCallback* entry(const char* name) const;
    // An instance through VSTPluginMain; null when the entry refused.
    AEffect* create(const char* entryName = "VSTPluginMain") const;
    static void destroy(AEffect* effect);

  private:
    HMODULE module = nullptr;
};

// Parameter begin/end gestures the plug-in sent since the last reset.
int automationMessages();
void resetAutomationMessages();
