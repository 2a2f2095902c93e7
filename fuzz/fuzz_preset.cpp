// The command-line host's preset-file reader with arbitrary file bytes: it
// must never read outside the buffer, and whatever it accepts must be
// written back to a file it accepts again with the same content.
#include "programs/PresetFile.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size copy, so a read one byte past the end is caught.
    const std::vector<uint8_t> bytes(data, data + size);
    const gravelo::render::presetfile::ParseResult parsed =
        gravelo::render::presetfile::parsePreset(bytes);
    if (!parsed.ok) {
        if (parsed.error.empty()) std::abort();
        return 0;
    }
    if (parsed.preset.kind == gravelo::render::presetfile::PresetKind::ParameterList &&
        parsed.preset.parameters.size() != static_cast<size_t>(parsed.preset.count))
        std::abort();
    const std::vector<uint8_t> written = gravelo::render::presetfile::writePreset(parsed.preset);
    const gravelo::render::presetfile::ParseResult again =
        gravelo::render::presetfile::parsePreset(written);
    if (!again.ok || again.preset.kind != parsed.preset.kind ||
        again.preset.chunk != parsed.preset.chunk ||
        again.preset.pluginId != parsed.preset.pluginId)
        std::abort();
    return 0;
}
