// The module's exports: the factory getter and the entry and exit calls
// hosts make around it. The factory is a constant object without state,
// so the entry calls have nothing to count or set up, and any number of
// entry/exit pairs (or none) is harmless.
#include "vst3/Vst3Factory.h"

namespace {

gravelo::vst3::Factory factory; // stateless: nothing to build or tear down

} // namespace

extern "C" {

VST3_EXPORT gravelo::vst3::api::IPluginFactory* VST3_API GetPluginFactory() {
    return &factory;
}

#if defined(_WIN32)
VST3_EXPORT bool InitDll() {
    return true;
}
VST3_EXPORT bool ExitDll() {
    return true;
}
#else
VST3_EXPORT bool ModuleEntry(void* /*sharedLibraryHandle*/) {
    return true;
}
VST3_EXPORT bool ModuleExit() {
    return true;
}
#endif
}
