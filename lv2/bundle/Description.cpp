#include "Description.h"

#include "Turtle.h"
#include "lv2/Ports.h"

#include <cmath>

namespace gravelo::lv2 {

namespace {

using turtle::decimal;
using turtle::quoted;

std::string uri(const std::string& text) {
    return "<" + text + ">";
}

std::string presetUri(const std::string& name) {
    return uri(kPresetUriPrefix + name);
}

std::string audioPort(uint32_t index, bool input, const char* symbol, const char* name,
                      bool optional) {
    std::string text = "    lv2:port [\n        a lv2:";
    text += input ? "InputPort" : "OutputPort";
    text += " , lv2:AudioPort ;\n        lv2:index " + std::to_string(index) + " ;\n";
    text += "        lv2:symbol " + quoted(symbol) + " ;\n        lv2:name " + quoted(name);
    if (optional) text += " ;\n        lv2:portProperty lv2:connectionOptional";
    return text + "\n    ]";
}

// The number of values a control takes on its grid, ends included.
long rangeSteps(const instance::ControlInfo& info) {
    return std::lround((info.maximum - info.minimum) / info.step) + 1;
}

std::string controlPort(uint32_t control, const instance::ControlInfo& info) {
    std::string text = "    lv2:port [\n        a lv2:InputPort , lv2:ControlPort ;\n";
    text += "        lv2:index " + std::to_string(kFirstControl + control) + " ;\n";
    text += "        lv2:symbol " + quoted(kControlSymbols[control]) + " ;\n";
    text += "        lv2:name " + quoted(info.name) + " ;\n";
    text += "        lv2:default " + decimal(info.defaultValue) + " ;\n";
    text += "        lv2:minimum " + decimal(info.minimum) + " ;\n";
    text += "        lv2:maximum " + decimal(info.maximum) + " ;\n";
    text += "        pprop:rangeSteps " + std::to_string(rangeSteps(info));
    if (controlIsDecibels(control)) text += " ;\n        units:unit units:db";
    return text + "\n    ]";
}

// Outputs the panel shows; a host may leave them unconnected.
std::string displayPort(uint32_t index, const char* symbol, const std::string& name,
                        double maximum) {
    std::string text = "    lv2:port [\n        a lv2:OutputPort , lv2:ControlPort ;\n";
    text += "        lv2:index " + std::to_string(index) + " ;\n";
    text += "        lv2:symbol " + quoted(symbol) + " ;\n";
    text += "        lv2:name " + quoted(name) + " ;\n";
    text += "        lv2:minimum 0.0 ;\n        lv2:maximum " + decimal(maximum) + " ;\n";
    text += "        lv2:portProperty lv2:connectionOptional\n    ]";
    return text;
}

std::string portNotification(const char* symbol) {
    return "    ui:portNotification [\n        ui:plugin " + uri(kPluginUri) +
           " ;\n        lv2:symbol " + quoted(symbol) +
           " ;\n        ui:protocol ui:floatProtocol\n    ]";
}

std::string uiTurtle() {
    std::string text = uri(kUiUri) + "\n    a ui:X11UI ;\n";
    text += "    lv2:requiredFeature ui:idleInterface , ui:parent ;\n";
    text += "    lv2:optionalFeature ui:resize , ui:touch , opts:options , urid:map ;\n";
    text += "    opts:supportedOption ui:scaleFactor ;\n";
    text += "    lv2:extensionData ui:idleInterface , ui:resize ;\n";
    for (const char* symbol : kMeterSymbols)
        text += portNotification(symbol) + " ;\n";
    return text + portNotification(kLampSymbol) + " .\n";
}

} // namespace

std::string manifestTurtle(const BundleFiles& files) {
    std::string text = turtle::prefixes();
    text += uri(kPluginUri) + "\n    a lv2:Plugin ;\n    lv2:binary " + uri(files.dspBinary) +
            " ;\n    rdfs:seeAlso " + uri(files.description) + " .\n\n";
    text += uri(kUiUri) + "\n    a ui:X11UI ;\n    ui:binary " + uri(files.uiBinary) +
            " ;\n    rdfs:seeAlso " + uri(files.description) + " .\n";
    for (const std::string& name : files.presetNames)
        text += "\n" + presetUri(name) + "\n    a pset:Preset ;\n    lv2:appliesTo " +
                uri(kPluginUri) + " ;\n    rdfs:seeAlso <presets/" + name + ".ttl> .\n";
    return text;
}

std::string pluginTurtle(const instance::AmpInstance& amp) {
    std::string text = turtle::prefixes();
    text += uri(kPluginUri) + "\n    a lv2:Plugin , lv2:AmplifierPlugin ;\n";
    text += "    doap:name \"" + std::string(identity::kEffectName) + "\" ;\n";
    text += "    doap:maintainer [ foaf:name \"" + std::string(identity::kVendor) + "\" ] ;\n";
    text += "    doap:release [ doap:revision \"" + std::string(identity::kVersion) + "\" ] ;\n";
    text += "    lv2:minorVersion " + std::to_string(identity::kVersionMinor) +
            " ;\n    lv2:microVersion " + std::to_string(identity::kVersionPatch) + " ;\n";
    text += "    rdfs:comment \"A bass-guitar amplifier: input high-pass, drive, four leveled "
            "bands, bass, middle and treble, and a limiter. The left input feeds it; both "
            "outputs carry the result.\" ;\n";
    text += "    lv2:optionalFeature lv2:hardRTCapable , urid:map , log:log ;\n";
    text += "    lv2:extensionData state:interface ;\n";
    text += "    ui:ui " + uri(kUiUri) + " ;\n";
    text += audioPort(kInputLeft, true, "in_left", "Input L", false) + " ;\n";
    text += audioPort(kInputRight, true, "in_right", "Input R (not used)", true) + " ;\n";
    text += audioPort(kOutputLeft, false, "out_left", "Output L", false) + " ;\n";
    text += audioPort(kOutputRight, false, "out_right", "Output R", false) + " ;\n";
    for (uint32_t c = 0; c < kControlPorts; ++c)
        text += controlPort(c, amp.controlInfo(static_cast<int>(c))) + " ;\n";
    for (uint32_t m = 0; m < kMeterCount; ++m)
        text += displayPort(kFirstMeter + m, kMeterSymbols[m],
                            "Band " + std::to_string(m + 1) + " gain", 10.0) +
                " ;\n";
    text += displayPort(kLamp, kLampSymbol, "Limiter lamp", 1.0) + " .\n\n";
    return text + uiTurtle();
}

std::string presetTurtle(const PresetContent& preset) {
    std::string text = turtle::prefixes();
    text += presetUri(preset.name) + "\n    a pset:Preset ;\n    lv2:appliesTo " + uri(kPluginUri) +
            " ;\n    rdfs:label " + quoted(preset.name) + " ;\n";
    for (uint32_t c = 0; c < kControlPorts; ++c)
        text += "    lv2:port [\n        lv2:symbol " + quoted(kControlSymbols[c]) +
                " ;\n        pset:value " + decimal(preset.controls[c]) + "\n    ] ;\n";
    text += "    state:state [\n        " + uri(kStateChunkUri) + " " +
            turtle::base64Binary(preset.state) + "\n    ] .\n";
    return text;
}

} // namespace gravelo::lv2
