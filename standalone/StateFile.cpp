#include "standalone/StateFile.h"

#include "effect/Identity.h"
#include "programs/AtomicFile.h"
#include "programs/PresetFile.h"
#include "programs/RenderError.h"

#include <system_error>

namespace gravelo::standalone {

namespace {

using render::presetfile::PresetKind;

Controls fromHostValues(const std::vector<float>& values, const std::string& what,
                        const instance::AmpInstance& amp) {
    if (values.size() != instance::AmpInstance::kControlCount)
        throw StateFileError("bad preset '" + what + "': it has " + std::to_string(values.size()) +
                             " parameters, the amplifier " +
                             std::to_string(instance::AmpInstance::kControlCount));
    Controls controls{};
    for (int i = 0; i < instance::AmpInstance::kControlCount; ++i) {
        const double x = values[static_cast<size_t>(i)];
        if (!(x >= 0.0 && x <= 1.0))
            throw StateFileError("bad preset '" + what + "': a parameter is outside 0..1");
        controls[static_cast<size_t>(i)] = amp.plainValue(i, x);
    }
    return controls;
}

} // namespace

StoredPreset parseStateFile(std::span<const uint8_t> bytes, const std::string& what,
                            const instance::AmpInstance& amp) {
    const render::presetfile::ParseResult parsed = render::presetfile::parsePreset(bytes);
    if (!parsed.ok) throw StateFileError("bad preset '" + what + "': " + parsed.error);
    const render::presetfile::Preset& preset = parsed.preset;
    if (preset.pluginId != static_cast<int32_t>(identity::kVst2UniqueId))
        throw StateFileError("preset '" + what + "' was made for plug-in " +
                             render::presetfile::describeId(preset.pluginId) + ", not for Gravelo");
    StoredPreset stored{preset.name, {}};
    if (preset.kind == PresetKind::ParameterList) {
        stored.controls = fromHostValues(preset.parameters, what, amp);
    } else if (!amp.stateControls(preset.chunk.data(), preset.chunk.size(), stored.controls)) {
        throw StateFileError("bad preset '" + what + "': its state is not the amplifier's");
    }
    return stored;
}

StoredPreset readStateFile(const std::filesystem::path& file, const instance::AmpInstance& amp) {
    try {
        return parseStateFile(render::readWholeFile(file.string(), "preset"), file.string(), amp);
    } catch (const render::RenderError& error) {
        throw StateFileError(error.what());
    }
}

void writeStateFile(const std::filesystem::path& file, instance::AmpInstance& amp,
                    const std::string& name) {
    const auto state = amp.saveState();
    render::presetfile::Preset preset;
    preset.kind = PresetKind::ProgramChunk;
    preset.pluginId = static_cast<int32_t>(identity::kVst2UniqueId);
    preset.pluginVersion = identity::kVendorVersion;
    preset.count = instance::AmpInstance::kControlCount;
    preset.name = name;
    preset.chunk.assign(state.begin(), state.end());
    try {
        std::error_code ignored;
        std::filesystem::create_directories(file.parent_path(), ignored);
        render::writeFileAtomically(file.string(), render::presetfile::writePreset(preset));
    } catch (const render::RenderError& error) {
        throw StateFileError(error.what());
    }
}

std::filesystem::path keepDamagedCopy(const std::filesystem::path& file) {
    std::filesystem::path copy = file;
    copy += ".bad";
    std::error_code error;
    std::filesystem::rename(file, copy, error);
    return error ? std::filesystem::path() : copy;
}

} // namespace gravelo::standalone
