#include "Lv2Panel.h"

#include <bit>
#include <cstring>
#include <lv2/atom/atom.h>
#include <lv2/options/options.h>
#include <lv2/urid/urid.h>

namespace gravelo::lv2 {

namespace {

// The panel's redraw timer starts with the amplifier's activation; this one
// never processes, so any valid rate serves.
constexpr double kPanelRate = 48000.0;
constexpr uint32_t kPanelBlock = 256;

const void* featureData(const LV2_Feature* const* features, const char* uri) {
    for (const LV2_Feature* const* f = features; f != nullptr && *f != nullptr; ++f)
        if ((*f)->URI != nullptr && std::strcmp((*f)->URI, uri) == 0) return (*f)->data;
    return nullptr;
}

// The host's ui:scaleFactor option (a float); 0 when it gives none.
double hostScaleFactor(const LV2_Feature* const* features) {
    const auto* map = static_cast<const LV2_URID_Map*>(featureData(features, LV2_URID__map));
    const auto* options =
        static_cast<const LV2_Options_Option*>(featureData(features, LV2_OPTIONS__options));
    if (map == nullptr || map->map == nullptr || options == nullptr) return 0.0;
    const LV2_URID key = map->map(map->handle, LV2_UI__scaleFactor);
    const LV2_URID floatType = map->map(map->handle, LV2_ATOM__Float);
    for (const LV2_Options_Option* o = options; o->key != 0 || o->value != nullptr; ++o) {
        if (o->key != key || o->type != floatType || o->size != sizeof(float) ||
            o->value == nullptr)
            continue;
        float scale;
        std::memcpy(&scale, o->value, sizeof scale);
        return scale;
    }
    return 0.0;
}

} // namespace

std::unique_ptr<Lv2Panel> Lv2Panel::create(LV2UI_Write_Function write, LV2UI_Controller controller,
                                           const LV2_Feature* const* features) {
    void* parent = const_cast<void*>(featureData(features, LV2_UI__parent));
    if (write == nullptr || parent == nullptr) return nullptr;
    std::unique_ptr<Lv2Panel> panel(new Lv2Panel(
        write, controller, static_cast<const LV2UI_Touch*>(featureData(features, LV2_UI__touch)),
        static_cast<const LV2UI_Resize*>(featureData(features, LV2_UI__resize))));
    panel->window.setHostScale(hostScaleFactor(features));
    if (!panel->window.open(parent)) return nullptr;
    panel->panelResized(panel->window.windowWidth(), panel->window.windowHeight());
    return panel;
}

Lv2Panel::Lv2Panel(LV2UI_Write_Function writeFunction, LV2UI_Controller owner,
                   const LV2UI_Touch* hostTouch, const LV2UI_Resize* hostResize)
    : window(amp, *this), write(writeFunction), controller(owner), touch(hostTouch),
      resize(hostResize) {
    amp.activate(kPanelRate, kPanelBlock);
}

Lv2Panel::~Lv2Panel() {
    window.close();
}

void Lv2Panel::portEvent(uint32_t port, uint32_t size, uint32_t format, const void* buffer) {
    if (format != 0 || size != sizeof(float) || buffer == nullptr) return;
    float value;
    std::memcpy(&value, buffer, sizeof value);
    if (isControlPort(port)) {
        const uint32_t c = port - kFirstControl;
        if (wrote[c] && std::bit_cast<uint32_t>(written[c]) == std::bit_cast<uint32_t>(value))
            return;
        wrote[c] = false;
        amp.setControl(static_cast<int>(c), value);
    } else if (isMeterPort(port)) {
        amp.showMeters(static_cast<int>(port - kFirstMeter), value);
    } else if (port == kLamp) {
        amp.showLamp(value);
    }
}

int Lv2Panel::idle() {
    window.tick();
    return window.isOpen() ? 0 : 1;
}

void Lv2Panel::hostResized(int width, int height) {
    window.fitHostWindow(width, height);
}

void Lv2Panel::panelResized(int width, int height) {
    if (resize != nullptr && resize->ui_resize != nullptr)
        resize->ui_resize(resize->handle, width, height);
}

void Lv2Panel::panelGestureBegin(int control) {
    if (touch != nullptr) touch->touch(touch->handle, kFirstControl + control, true);
}

void Lv2Panel::panelValue(int control, double value) {
    const auto c = static_cast<size_t>(control);
    written[c] = static_cast<float>(value);
    wrote[c] = true;
    write(controller, kFirstControl + static_cast<uint32_t>(control), sizeof(float), 0,
          &written[c]);
}

void Lv2Panel::panelGestureEnd(int control) {
    if (touch != nullptr) touch->touch(touch->handle, kFirstControl + control, false);
}

} // namespace gravelo::lv2
