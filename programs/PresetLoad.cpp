#include "programs/PresetLoad.h"

#include "effect/Identity.h"
#include "instance/AmpInstance.h"
#include "programs/PresetFile.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace gravelo::render::presetfile {

void loadFxp(const std::filesystem::path& path, instance::AmpInstance& amp) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const ParseResult parsed = parsePreset(bytes);
    if (!parsed.ok) throw std::runtime_error(path.string() + ": " + parsed.error);
    const Preset& preset = parsed.preset;
    if (preset.kind != PresetKind::ProgramChunk ||
        preset.pluginId != static_cast<int32_t>(identity::kVst2UniqueId))
        throw std::runtime_error(path.string() + ": not a Gravelo program chunk");
    if (!amp.loadState(preset.chunk.data(), preset.chunk.size()))
        throw std::runtime_error(path.string() + ": the amplifier refuses its chunk");
}

} // namespace gravelo::render::presetfile
