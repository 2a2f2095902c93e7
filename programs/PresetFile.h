// The host interface's standard preset files (.fxp programs, .fxb banks):
// big-endian records that carry either a list of parameter values or the
// plug-in's opaque state chunk. Works on byte buffers only, so that file
// handling and fuzzing stay outside.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gravelo::render::presetfile {

enum class PresetKind {
    ParameterList, // 'FxCk': one host value (0..1) per parameter
    ProgramChunk,  // 'FPCh': the plug-in's program chunk
    BankChunk,     // 'FBCh': the plug-in's bank chunk
};

struct Preset {
    PresetKind kind = PresetKind::ProgramChunk;
    int32_t formatVersion = 1;
    int32_t pluginId = 0;
    int32_t pluginVersion = 0;
    // Parameters for a program, programs for a bank.
    int32_t count = 0;
    std::string name;              // programs only; at most 27 characters are stored
    std::vector<float> parameters; // ParameterList
    std::vector<uint8_t> chunk;    // ProgramChunk and BankChunk
};

struct ParseResult {
    bool ok = false;
    Preset preset;
    std::string error; // why the buffer was refused, when !ok
};

// Reads a whole preset file's bytes. Never reads outside `bytes`.
ParseResult parsePreset(std::span<const uint8_t> bytes);

// The bytes of a program file: 'FxCk' or 'FPCh' by `preset.kind`
// (BankChunk writes an 'FBCh' bank).
std::vector<uint8_t> writePreset(const Preset& preset);

// 'GRV1' style four-character codes as the interface packs them.
constexpr int32_t fourCharCode(const char (&code)[5]) {
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint8_t>(code[0])) << 24) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(code[1])) << 16) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(code[2])) << 8) |
                                static_cast<uint32_t>(static_cast<uint8_t>(code[3])));
}

// "GRV1" for a printable code, else the number in hex, for messages.
std::string describeId(int32_t id);

} // namespace gravelo::render::presetfile
