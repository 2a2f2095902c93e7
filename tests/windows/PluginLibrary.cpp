#include "PluginLibrary.h"

namespace {

using Entry = AEffect*(VSTCALLBACK*)(audioMasterCallback);

int automations = 0;

VstIntPtr VSTCALLBACK hostCallback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr,
                                   float) {
    switch (opcode) {
    case audioMasterVersion:
        return 2400;
    case audioMasterAutomate:
    case audioMasterBeginEdit:
    case audioMasterEndEdit:
        ++automations;
        return 1;
    case audioMasterGetVendorString:
        lstrcpynA(static_cast<char*>(ptr), "Gravelo tests", 64);
        return 1;
    case audioMasterGetProductString:
        lstrcpynA(static_cast<char*>(ptr), "wintesthost", 64);
        return 1;
    default:
        return 0;
    }
}

} // namespace

int automationMessages() {
    return automations;
}
void resetAutomationMessages() {
    automations = 0;
}

PluginLibrary::PluginLibrary(const std::string& path) : module(LoadLibraryA(path.c_str())) {}

PluginLibrary::~PluginLibrary() {
    if (module != nullptr) FreeLibrary(module);
}

audioMasterCallback* PluginLibrary::entry(const char* name) const {
    if (module == nullptr) return nullptr;
    return reinterpret_cast<audioMasterCallback*>(GetProcAddress(module, name));
}

AEffect* PluginLibrary::create(const char* entryName) const {
    auto function = reinterpret_cast<Entry>(entry(entryName));
    return function != nullptr ? function(&hostCallback) : nullptr;
}

void PluginLibrary::destroy(AEffect* effect) {
    if (effect != nullptr) effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
}
