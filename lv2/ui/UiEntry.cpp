// The UI's one export, lv2ui_descriptor, and the plain functions of its
// descriptor and idle interface. No exception leaves this file.
#include "Lv2Panel.h"

#include <cstring>
#include <exception>

namespace {

using gravelo::lv2::Lv2Panel;

Lv2Panel* panel(LV2UI_Handle handle) {
    return static_cast<Lv2Panel*>(handle);
}

LV2UI_Handle instantiate(const LV2UI_Descriptor*, const char* pluginUri, const char*,
                         LV2UI_Write_Function write, LV2UI_Controller controller,
                         LV2UI_Widget* widget, const LV2_Feature* const* features) {
    if (pluginUri == nullptr || std::strcmp(pluginUri, gravelo::lv2::kPluginUri) != 0 ||
        widget == nullptr)
        return nullptr;
    try {
        auto created = Lv2Panel::create(write, controller, features);
        if (created == nullptr) return nullptr;
        *widget = created->widget();
        return created.release();
    } catch (const std::exception&) {
        return nullptr;
    }
}

void cleanup(LV2UI_Handle handle) {
    delete panel(handle);
}

void portEvent(LV2UI_Handle handle, uint32_t port, uint32_t size, uint32_t format,
               const void* buffer) {
    panel(handle)->portEvent(port, size, format, buffer);
}

int idle(LV2UI_Handle handle) {
    return panel(handle)->idle();
}

// The host resizing the UI's window passes the UI's own handle.
int resized(LV2UI_Feature_Handle handle, int width, int height) {
    if (handle == nullptr || width <= 0 || height <= 0) return 1;
    panel(handle)->hostResized(width, height);
    return 0;
}

constexpr LV2UI_Idle_Interface kIdleInterface = {idle};
constexpr LV2UI_Resize kResize = {nullptr, resized};

const void* extensionData(const char* uri) {
    if (uri == nullptr) return nullptr;
    if (std::strcmp(uri, LV2_UI__idleInterface) == 0) return &kIdleInterface;
    if (std::strcmp(uri, LV2_UI__resize) == 0) return &kResize;
    return nullptr;
}

constexpr LV2UI_Descriptor kDescriptor = {gravelo::lv2::kUiUri, instantiate, cleanup, portEvent,
                                          extensionData};

} // namespace

LV2_SYMBOL_EXPORT const LV2UI_Descriptor* lv2ui_descriptor(uint32_t index) {
    return index == 0 ? &kDescriptor : nullptr;
}
