// The presets the practice amp steps through and MIDI Program Change n
// selects (the n-th, counted from 0): the factory presets, then the user's
// .fxp files sorted by name. A preset saved while the program runs joins at
// the end, so that the numbers of the others stay put until the next start.
#pragma once

#include "standalone/StateFile.h"

#include <ctime>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace gravelo::standalone {

struct PresetEntry {
    std::string name;           // what the window shows: the file's name without .fxp
    Controls controls{};        // what selecting it sets
    std::filesystem::path file; // empty for a factory preset
};

class PresetList {
  public:
    using Warning = std::function<void(const std::string& line)>;

    // Factory presets from `factory` (file name and bytes), then the .fxp
    // files of `userFolder` (a missing folder has none). A file that cannot
    // be read is left out with one line to `warn`; the others still load.
    void gather(const std::vector<std::pair<std::string, std::span<const uint8_t>>>& factory,
                const std::filesystem::path& userFolder, const instance::AmpInstance& amp,
                const Warning& warn);
    void append(PresetEntry entry) { entries.push_back(std::move(entry)); }

    size_t size() const { return entries.size(); }
    bool empty() const { return entries.empty(); }
    const PresetEntry& operator[](size_t index) const { return entries[index]; }
    // Stepping through the list wraps around at both ends.
    size_t next(size_t index) const;
    size_t previous(size_t index) const;

  private:
    std::vector<PresetEntry> entries;
};

// The factory presets compiled into this program.
std::vector<std::pair<std::string, std::span<const uint8_t>>> builtInFactoryPresets();

// A new user preset's file in folder, named by the local time it is saved
// at ("2026-12-08 21.14.fxp"); a second save in the same minute gets
// "2026-12-08 21.14 (2).fxp", and so on.
std::filesystem::path freshPresetFile(const std::filesystem::path& folder, const std::tm& when);

} // namespace gravelo::standalone
