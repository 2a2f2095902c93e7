#include "UiHost.h"
#include "vsthost/SharedLibrary.h"

#include <chrono>
#include <cstring>
#include <lv2/atom/atom.h>
#include <stdexcept>
#include <string>
#include <thread>

namespace gravelo::test::lv2 {

namespace {

// Loaded once and kept, as hosts keep a UI library while they run.
const LV2UI_Descriptor* uiDescriptor(World& world) {
    static const LV2UI_Descriptor* found = [&world]() -> const LV2UI_Descriptor* {
        LilvUIs* uis = lilv_plugin_get_uis(world.plugin());
        const LilvUI* ui = lilv_uis_get_by_uri(uis, world.node(gravelo::lv2::kUiUri));
        if (ui == nullptr) throw std::runtime_error("the plug-in names no UI");
        char* path = lilv_file_uri_parse(lilv_node_as_uri(lilv_ui_get_binary_uri(ui)), nullptr);
        // Loaded for the rest of the program, as the descriptor lives in it.
        static const gravelo::vsthost::SharedLibrary library(path);
        lilv_free(path);
        lilv_uis_free(uis);
        if (!library.loaded()) throw std::runtime_error(library.error());
        const auto entry = reinterpret_cast<const LV2UI_Descriptor* (*)(uint32_t)>(
            library.symbol("lv2ui_descriptor"));
        return entry != nullptr ? entry(0) : nullptr;
    }();
    return found;
}

void recordWrite(LV2UI_Controller controller, uint32_t port, uint32_t size, uint32_t format,
                 const void* buffer) {
    if (format != 0 || size != sizeof(float)) throw std::logic_error("not a control value");
    float value;
    std::memcpy(&value, buffer, sizeof value);
    static_cast<UiHost*>(controller)->writes.emplace_back(port, value);
    static_cast<UiHost*>(controller)->order += 'v';
}

} // namespace

UiHost::UiHost(World& world, void* parentWindow, float scaleFactor)
    : parent(parentWindow), scale(scaleFactor) {
    descriptor = uiDescriptor(world);
    map = {this, [](LV2_URID_Map_Handle self, const char* uri) -> LV2_URID {
               std::vector<std::string>& known = static_cast<UiHost*>(self)->uris;
               for (size_t i = 0; i < known.size(); ++i)
                   if (known[i] == uri) return LV2_URID(i + 1);
               known.emplace_back(uri);
               return LV2_URID(known.size());
           }};
    if (scale > 0.0f)
        options[0] = {
            LV2_OPTIONS_INSTANCE,           0,     map.map(this, LV2_UI__scaleFactor), sizeof scale,
            map.map(this, LV2_ATOM__Float), &scale};
    resize = {this, [](LV2UI_Feature_Handle self, int w, int h) {
                  static_cast<UiHost*>(self)->width = w;
                  static_cast<UiHost*>(self)->height = h;
                  return 0;
              }};
    touch = {this, [](LV2UI_Feature_Handle self, uint32_t port, bool grabbed) {
                 static_cast<UiHost*>(self)->touches.emplace_back(port, grabbed);
                 static_cast<UiHost*>(self)->order += grabbed ? 'b' : 'e';
             }};
    if (parent != nullptr) featureRecords.push_back({LV2_UI__parent, parent});
    featureRecords.push_back({LV2_UI__idleInterface, nullptr});
    featureRecords.push_back({LV2_UI__resize, &resize});
    featureRecords.push_back({LV2_UI__touch, &touch});
    featureRecords.push_back({LV2_URID__map, &map});
    featureRecords.push_back({LV2_OPTIONS__options, options.data()});
    for (const LV2_Feature& f : featureRecords)
        features.push_back(&f);
    features.push_back(nullptr);
}

bool UiHost::open() {
    if (descriptor == nullptr) return false;
    handle = descriptor->instantiate(descriptor, gravelo::lv2::kPluginUri, GRAVELO_LV2_PATH,
                                     recordWrite, this, &shown, features.data());
    if (handle == nullptr) return false;
    idleInterface =
        static_cast<const LV2UI_Idle_Interface*>(descriptor->extension_data(LV2_UI__idleInterface));
    return idleInterface != nullptr;
}

void UiHost::close() {
    if (handle != nullptr) descriptor->cleanup(handle);
    handle = nullptr;
    shown = nullptr;
}

void UiHost::idle(int ms) {
    for (int t = 0; t < ms; t += 5) {
        if (handle != nullptr) idleInterface->idle(handle);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool UiHost::resizeUi(int newWidth, int newHeight) {
    const auto* own = static_cast<const LV2UI_Resize*>(descriptor->extension_data(LV2_UI__resize));
    return own != nullptr && own->ui_resize(handle, newWidth, newHeight) == 0;
}

void UiHost::portEvent(uint32_t port, float value) {
    descriptor->port_event(handle, port, sizeof value, 0, &value);
}

} // namespace gravelo::test::lv2
