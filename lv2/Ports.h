// The LV2 face of the amplifier: its URIs and its port layout, shared by the
// plug-in, its UI, the generator of its Turtle files and the tests.
#pragma once

#include "effect/Controls.h"
#include "effect/Identity.h"
#include "effect/dsp/Bands.h"
#include "effect/panel/PanelLayout.h"

#include <cstdint>

namespace gravelo::lv2 {

inline constexpr const char* kPluginUri = identity::kLv2Uri;
inline constexpr auto kUiUriText = identity::joined(identity::kLv2UriText, ":ui");
inline constexpr const char* kUiUri = kUiUriText.data();
// The state property: the 260-byte chunk, as an atom:Chunk.
inline constexpr auto kStateChunkUriText = identity::joined(identity::kLv2UriText, ":chunk");
inline constexpr const char* kStateChunkUri = kStateChunkUriText.data();
// Presets are named below this prefix by their file's stem.
inline constexpr auto kPresetUriPrefixText = identity::joined(identity::kLv2UriText, ":preset:");
inline constexpr const char* kPresetUriPrefix = kPresetUriPrefixText.data();

inline constexpr uint32_t kControlPorts = static_cast<uint32_t>(gravelo::kControlCount);
inline constexpr uint32_t kMeterCount = static_cast<uint32_t>(gravelo::dsp::kBandCount);

// Port indices: audio, the nine controls in the VST parameter order, the
// displayed band-leveler gains and the limiter lamp.
enum Port : uint32_t {
    kInputLeft = 0,
    kInputRight = 1,
    kOutputLeft = 2,
    kOutputRight = 3,
    kFirstControl = 4,
    kFirstMeter = kFirstControl + kControlPorts,
    kLamp = kFirstMeter + kMeterCount,
    kPortCount,
};

constexpr bool isControlPort(uint32_t port) {
    return port >= kFirstControl && port < kFirstControl + kControlPorts;
}
constexpr bool isMeterPort(uint32_t port) {
    return port >= kFirstMeter && port < kFirstMeter + kMeterCount;
}

// Symbols are what sessions and presets store: they never change.
inline constexpr const char* kControlSymbols[kControlPorts] = {
    "quorvel", "output", "presence", "dirt", "bass", "middle", "treble", "depth", "lfcut",
};
// Controls whose values are decibels.
constexpr bool controlIsDecibels(uint32_t control) {
    return gravelo::kControls[control].isDecibels();
}
inline constexpr const char* kMeterSymbols[kMeterCount] = {"band1", "band2", "band3", "band4"};
inline constexpr const char* kLampSymbol = "limiter";

// The lamp as the panel shows it: lit fully by a clip, fading frame by
// frame at the panel's redraw rate.
inline constexpr double kLampFadePerSecond =
    panel_layout::kLampFadePerFrame * panel_layout::kRedrawRate;

} // namespace gravelo::lv2
