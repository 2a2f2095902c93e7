// The plug-in's one export, lv2_descriptor, and the plain functions of its
// descriptor and state interface. No exception leaves this file.
#include "Lv2Amp.h"

#include <cstring>
#include <new>

namespace {

using gravelo::lv2::Lv2Amp;

Lv2Amp* amp(LV2_Handle handle) {
    return static_cast<Lv2Amp*>(handle);
}

LV2_Handle instantiate(const LV2_Descriptor*, double rate, const char*,
                       const LV2_Feature* const* features) {
    try {
        return Lv2Amp::create(rate, features).release();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void connectPort(LV2_Handle handle, uint32_t port, void* data) {
    amp(handle)->connect(port, data);
}

void activate(LV2_Handle handle) {
    amp(handle)->activate();
}

void run(LV2_Handle handle, uint32_t frames) {
    amp(handle)->run(frames);
}

void deactivate(LV2_Handle handle) {
    amp(handle)->deactivate();
}

void cleanup(LV2_Handle handle) {
    delete amp(handle);
}

LV2_State_Status save(LV2_Handle handle, LV2_State_Store_Function store, LV2_State_Handle state,
                      uint32_t, const LV2_Feature* const*) {
    return amp(handle)->save(store, state);
}

LV2_State_Status restore(LV2_Handle handle, LV2_State_Retrieve_Function retrieve,
                         LV2_State_Handle state, uint32_t, const LV2_Feature* const*) {
    return amp(handle)->restore(retrieve, state);
}

constexpr LV2_State_Interface kStateInterface = {save, restore};

const void* extensionData(const char* uri) {
    return uri != nullptr && std::strcmp(uri, LV2_STATE__interface) == 0 ? &kStateInterface
                                                                         : nullptr;
}

constexpr LV2_Descriptor kDescriptor = {
    gravelo::lv2::kPluginUri,
    instantiate,
    connectPort,
    activate,
    run,
    deactivate,
    cleanup,
    extensionData,
};

} // namespace

LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index) {
    return index == 0 ? &kDescriptor : nullptr;
}
