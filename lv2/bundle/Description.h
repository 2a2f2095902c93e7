// The Turtle files of Gravelo.lv2, written from the amplifier's own control
// table so that their names, ranges and steps cannot drift from the code.
#pragma once

#include "instance/AmpInstance.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace gravelo::lv2 {

struct BundleFiles {
    std::string dspBinary; // file names inside the bundle
    std::string uiBinary;
    std::string description;              // the plug-in and its UI
    std::vector<std::string> presetNames; // each in presets/<name>.ttl
};

// One preset: the controls the host shows and the state that holds them.
struct PresetContent {
    std::string name;
    std::array<float, instance::AmpInstance::kControlCount> controls{};
    std::array<uint8_t, instance::AmpInstance::kStateBytes> state{};
};

std::string manifestTurtle(const BundleFiles& files);
std::string pluginTurtle(const instance::AmpInstance& amp);
std::string presetTurtle(const PresetContent& preset);

} // namespace gravelo::lv2
