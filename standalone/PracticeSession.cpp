#include "standalone/PracticeSession.h"

#include "programs/Parameters.h"
#include "standalone/AmpParameters.h"

#include <filesystem>

namespace gravelo::standalone {

PracticeSession::PracticeSession(instance::AmpInstance& instance, ConfigPaths paths,
                                 Warning warning)
    : amp(instance), where(std::move(paths)), warn(std::move(warning)), schedule(controls()) {
    list.gather(builtInFactoryPresets(), where.presets, amp, warn);
    for (size_t i = 0; i < list.size(); ++i)
        table.append(list[i].controls);
}

instance::AmpInstance::ControlValues PracticeSession::controls() const {
    instance::AmpInstance::ControlValues values{};
    for (int i = 0; i < instance::AmpInstance::kControlCount; ++i)
        values[static_cast<size_t>(i)] = amp.control(i);
    return values;
}

void PracticeSession::loadLast() {
    if (!std::filesystem::exists(where.last)) return;
    try {
        const StoredPreset last = readStateFile(where.last, amp);
        amp.setControls(last.controls);
        if (!last.name.empty()) name = last.name;
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].name == name && list[i].controls == last.controls) current = i;
    } catch (const StateFileError& error) {
        const std::filesystem::path copy = keepDamagedCopy(where.last);
        warn(std::string(error.what()) + "; starting from the defaults" +
             (copy.empty() ? "" : " (the file is kept as " + copy.string() + ")"));
    }
}

void PracticeSession::loadStartState(const AmpOptions& options) {
    if (!options.preset.empty()) {
        try {
            const StoredPreset preset = readStateFile(options.preset, amp);
            amp.setControls(preset.controls);
            name = std::filesystem::path(options.preset).stem().string();
        } catch (const StateFileError& error) {
            warn(std::string(error.what()) + "; starting from the defaults");
        }
    } else {
        loadLast();
    }
    AmpParameters parameters(amp);
    for (const render::ParameterSetting& setting : options.settings)
        render::applySetting(parameters, setting);
    schedule.saved(controls());
}

void PracticeSession::select(size_t index) {
    if (list.empty()) return;
    current = index % list.size();
    amp.setControls(list[*current].controls);
    name = list[*current].name;
}

void PracticeSession::selectNext() {
    select(current ? list.next(*current) : 0);
}

void PracticeSession::selectPrevious() {
    select(current ? list.previous(*current) : list.size() - 1);
}

void PracticeSession::programApplied(size_t number) {
    if (number >= list.size()) return;
    current = number;
    name = list[number].name;
}

std::string PracticeSession::saveUserPreset(const std::tm& when) {
    const std::filesystem::path file = freshPresetFile(where.presets, when);
    const std::string presetName = file.stem().string();
    writeStateFile(file, amp, presetName);
    list.append({presetName, controls(), file});
    table.append(list[list.size() - 1].controls);
    current = list.size() - 1;
    name = presetName;
    return presetName;
}

void PracticeSession::saveIfDue(double time) {
    if (schedule.due(controls(), time)) saveLast();
}

void PracticeSession::saveLast() {
    const instance::AmpInstance::ControlValues now = controls();
    try {
        writeStateFile(where.last, amp, name);
        schedule.saved(now);
    } catch (const StateFileError& error) {
        warn(error.what());
    }
}

} // namespace gravelo::standalone
