// The LV2 face of the amplifier: its URIs and its port layout, shared by the
// plug-in, its UI, the generator of its Turtle files and the tests.
#pragma once

#include "engine/AmpInstance.h"

#include <cstdint>

namespace gravelo_lv2 {

inline constexpr const char* kPluginUri = "urn:morvane:gravelo";
inline constexpr const char* kUiUri = "urn:morvane:gravelo:ui";
// The state property: the 260-byte chunk, as an atom:Chunk.
inline constexpr const char* kStateChunkUri = "urn:morvane:gravelo:chunk";
// Presets are named below this prefix by their file's stem.
inline constexpr const char* kPresetUriPrefix = "urn:morvane:gravelo:preset:";

inline constexpr uint32_t kControlCount = 9;
inline constexpr uint32_t kMeterCount = 4;

// Port indices: audio, the nine controls in the VST parameter order, the
// displayed band-leveler gains and the limiter lamp.
enum Port : uint32_t {
    kInputLeft = 0,
    kInputRight = 1,
    kOutputLeft = 2,
    kOutputRight = 3,
    kFirstControl = 4,
    kFirstMeter = kFirstControl + kControlCount,
    kLamp = kFirstMeter + kMeterCount,
    kPortCount,
};

constexpr bool isControlPort(uint32_t port) {
    return port >= kFirstControl && port < kFirstControl + kControlCount;
}
constexpr bool isMeterPort(uint32_t port) {
    return port >= kFirstMeter && port < kFirstMeter + kMeterCount;
}

// Symbols are what sessions and presets store: they never change.
inline constexpr const char* kControlSymbols[kControlCount] = {
    "quorvel", "output", "presence", "dirt", "bass", "middle", "treble", "depth", "lfcut",
};
// Controls whose values are decibels.
constexpr bool controlIsDecibels(uint32_t control) {
    return engine::AmpInstance::controlIsDecibels(static_cast<int>(control));
}
inline constexpr const char* kMeterSymbols[kMeterCount] = {"band1", "band2", "band3", "band4"};
inline constexpr const char* kLampSymbol = "limiter";

// The lamp as the panel shows it: lit fully by a clip, fading by 0.05 per
// panel frame at 30 frames per second.
inline constexpr double kLampFadePerSecond = 0.05 * 30.0;

} // namespace gravelo_lv2
