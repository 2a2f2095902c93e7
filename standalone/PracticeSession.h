// What the practice amp does besides sound and window: the preset list and
// the preset in use, the state it starts from, user presets saved, and
// last.fxp written at exit and a few seconds after each change. Main
// thread only; the audio thread sees the presets through the ProgramTable.
#pragma once

#include "standalone/AmpOptions.h"
#include "standalone/ConfigPaths.h"
#include "standalone/PresetList.h"
#include "standalone/ProgramTable.h"
#include "standalone/SaveSchedule.h"

#include <ctime>
#include <functional>
#include <optional>
#include <string>

namespace gravelo::standalone {

class PracticeSession {
  public:
    using Warning = std::function<void(const std::string& line)>;

    // Gathers the presets (a damaged one is a warning) into the list and the
    // program table.
    PracticeSession(instance::AmpInstance& amp, ConfigPaths paths, Warning warn);

    // The state to start from: --preset, else last.fxp (a damaged one is
    // moved aside as last.fxp.bad with a warning, and the defaults stay),
    // then each --set. Throws render::RenderError for a --set that names no
    // control or a value it cannot take.
    void loadStartState(const AmpOptions& options);

    const PresetList& presets() const { return list; }
    const ProgramTable& programs() const { return table; }
    // The name the window shows: the preset selected last, or the one the
    // state was loaded from.
    const std::string& presetName() const { return name; }

    // Sets the controls of preset `index` (wrapping) / the next / the previous.
    void select(size_t index);
    void selectNext();
    void selectPrevious();
    // A Program Change the audio thread applied: only the name follows.
    void programApplied(size_t number);

    // Writes the current state as a new user preset named by `when`, adds it
    // to the list and answers its name. Throws StateFileError.
    std::string saveUserPreset(const std::tm& when);

    // Writes last.fxp when a change waited long enough (time in seconds of a
    // steady clock); saveLast() writes it now. Failures are warnings.
    void saveIfDue(double time);
    void saveLast();
    const ConfigPaths& paths() const { return where; }

  private:
    instance::AmpInstance::ControlValues controls() const;
    void loadLast();

    instance::AmpInstance& amp;
    ConfigPaths where;
    Warning warn;
    PresetList list;
    ProgramTable table;
    std::optional<size_t> current;
    std::string name = "default";
    SaveSchedule schedule;
};

} // namespace gravelo::standalone
