#include "PluginState.h"

#include "programs/AtomicFile.h"
#include "programs/PresetFile.h"
#include "programs/RenderError.h"

namespace gravelo::render {

namespace {

using presetfile::Preset;
using presetfile::PresetKind;

void requireChunks(PluginHost& host, const std::string& path) {
    if (!host.usesChunks())
        throw RenderError("bad preset '" + path + "': it holds a state chunk, and plug-in '" +
                          host.path() + "' keeps its state in parameters only");
}

void applyPreset(PluginHost& host, const Preset& preset, const std::string& path) {
    switch (preset.kind) {
    case PresetKind::ParameterList:
        if (preset.parameters.size() > static_cast<size_t>(host.parameterCount()))
            throw RenderError("bad preset '" + path + "': it has " +
                              std::to_string(preset.parameters.size()) +
                              " parameters, the plug-in " + std::to_string(host.parameterCount()));
        for (size_t i = 0; i < preset.parameters.size(); ++i)
            host.setParameter(static_cast<int>(i), preset.parameters[i]);
        break;
    case PresetKind::ProgramChunk:
        requireChunks(host, path);
        host.setChunk(preset.chunk, true);
        break;
    case PresetKind::BankChunk:
        requireChunks(host, path);
        host.setChunk(preset.chunk, false);
        return;
    }
    if (!preset.name.empty()) {
        std::string name = preset.name;
        host.dispatch(effSetProgramName, 0, 0, name.data());
    }
}

} // namespace

void loadPresetFile(PluginHost& host, const std::string& path) {
    const std::vector<uint8_t> bytes = readWholeFile(path, "preset");
    const presetfile::ParseResult parsed = presetfile::parsePreset(bytes);
    if (!parsed.ok) throw RenderError("bad preset '" + path + "': " + parsed.error);
    const int32_t id = host.effect().uniqueID;
    if (parsed.preset.pluginId != id)
        throw RenderError("preset '" + path + "' was made for plug-in " +
                          presetfile::describeId(parsed.preset.pluginId) + ", not for this one (" +
                          presetfile::describeId(id) + ")");
    applyPreset(host, parsed.preset, path);
}

void savePresetFile(PluginHost& host, const std::string& path, const std::string& name) {
    Preset preset;
    preset.pluginId = host.effect().uniqueID;
    preset.pluginVersion = host.effect().version;
    preset.count = host.parameterCount();
    preset.name = name;
    if (host.usesChunks()) {
        preset.kind = PresetKind::ProgramChunk;
        preset.chunk = host.chunk(true);
        if (preset.chunk.empty())
            throw RenderError("plug-in '" + host.path() + "' gave no state chunk to save");
    } else {
        preset.kind = PresetKind::ParameterList;
        for (int i = 0; i < host.parameterCount(); ++i)
            preset.parameters.push_back(host.parameter(i));
    }
    writeFileAtomically(path, presetfile::writePreset(preset));
}

void loadChunkFile(PluginHost& host, const std::string& path) {
    if (!host.usesChunks())
        throw RenderError("plug-in '" + host.path() + "' does not take state chunks");
    const std::vector<uint8_t> bytes = readWholeFile(path, "chunk");
    if (bytes.empty()) throw RenderError("bad chunk '" + path + "': the file is empty");
    host.setChunk(bytes, false);
}

void saveChunkFile(PluginHost& host, const std::string& path) {
    if (!host.usesChunks())
        throw RenderError("plug-in '" + host.path() + "' does not give state chunks");
    const std::vector<uint8_t> bytes = host.chunk(false);
    if (bytes.empty())
        throw RenderError("plug-in '" + host.path() + "' gave no state chunk to save");
    writeFileAtomically(path, bytes);
}

} // namespace gravelo::render
