// The .vstpreset container: the plug-in's class id in text form and its
// component state as the one 'Comp' chunk, with the chunk list at the end.
// Little-endian throughout.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gravelo::vst3 {

std::vector<uint8_t> writeVstPreset(const std::string& classIdText,
                                    std::span<const uint8_t> componentState);
// The 'Comp' chunk of a .vstpreset for that class id; false when the bytes
// are no such file (wrong magic, version or class, or a list pointing
// outside the file).
bool readVstPresetState(std::span<const uint8_t> file, const std::string& classIdText,
                        std::vector<uint8_t>& componentState);

} // namespace gravelo::vst3
