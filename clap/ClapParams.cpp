// The nine controls as CLAP parameters: ids 0..8 in the effect's order,
// values in the panel's units, all automatable, display texts as the VST 2.x
// plug-in shows them.
#include "clap/ClapAmp.h"

#include <cstdio>

namespace gravelo::clap {

namespace {

using instance::AmpInstance;

bool isControlId(clap_id id) {
    return id < static_cast<clap_id>(AmpInstance::kControlCount);
}

uint32_t CLAP_ABI count(const clap_plugin* plugin) {
    return ClapAmp::from(plugin) != nullptr ? AmpInstance::kControlCount : 0;
}

bool CLAP_ABI getInfo(const clap_plugin* plugin, uint32_t index, clap_param_info* info) {
    ClapAmp* self = ClapAmp::from(plugin);
    if (self == nullptr || !isControlId(index) || info == nullptr) return false;
    const instance::ControlInfo& control = self->amp.controlInfo(static_cast<int>(index));
    *info = clap_param_info{};
    info->id = index;
    info->flags = CLAP_PARAM_IS_AUTOMATABLE;
    std::snprintf(info->name, sizeof info->name, "%s", control.name);
    info->min_value = control.minimum;
    info->max_value = control.maximum;
    info->default_value = control.defaultValue;
    return true;
}

bool CLAP_ABI getValue(const clap_plugin* plugin, clap_id id, double* value) {
    ClapAmp* self = ClapAmp::from(plugin);
    if (self == nullptr || !isControlId(id) || value == nullptr) return false;
    *value = self->amp.control(static_cast<int>(id));
    return true;
}

bool CLAP_ABI valueToText(const clap_plugin* plugin, clap_id id, double value, char* text,
                          uint32_t capacity) {
    if (ClapAmp::from(plugin) == nullptr || !isControlId(id) || text == nullptr || capacity == 0)
        return false;
    AmpInstance::formatControl(value, text, capacity);
    return true;
}

bool CLAP_ABI textToValue(const clap_plugin* plugin, clap_id id, const char* text, double* value) {
    if (ClapAmp::from(plugin) == nullptr || !isControlId(id) || value == nullptr) return false;
    return AmpInstance::parseControl(text, *value);
}

void CLAP_ABI flush(const clap_plugin* plugin, const clap_input_events* in,
                    const clap_output_events* out) {
    ClapAmp* self = ClapAmp::from(plugin);
    if (self == nullptr) return;
    if (in != nullptr && in->size != nullptr && in->get != nullptr) {
        const uint32_t n = in->size(in);
        for (uint32_t i = 0; i < n; ++i)
            self->applyHostEvent(in->get(in, i));
    }
    self->sendEditorRecords(out);
}

constexpr clap_plugin_params kParams = {count, getInfo, getValue, valueToText, textToValue, flush};

} // namespace

const clap_plugin_params* paramsExtension() {
    return &kParams;
}

} // namespace gravelo::clap
