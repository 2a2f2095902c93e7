// The amplifier's state in .fxp files: read into control values (checked as
// the instance checks a state) and written atomically, so that a crash never
// leaves a torn file. Every failure is one line naming the file.
#pragma once

#include "instance/AmpInstance.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>

namespace gravelo::standalone {

using Controls = instance::AmpInstance::ControlValues;

class StateFileError : public std::runtime_error {
  public:
    explicit StateFileError(const std::string& message) : std::runtime_error(message) {}
};

struct StoredPreset {
    std::string name; // the name stored in the file; may be empty
    Controls controls{};
};

// The bytes of a preset file for this amplifier: a program or bank chunk,
// or a list of host values. Throws StateFileError naming `what`.
StoredPreset parseStateFile(std::span<const uint8_t> bytes, const std::string& what,
                            const instance::AmpInstance& amp);
StoredPreset readStateFile(const std::filesystem::path& file, const instance::AmpInstance& amp);

// [main] The amplifier's state as a program-chunk .fxp named `name`,
// renamed into place only when complete (the folder is made when missing).
// Throws StateFileError when it cannot be written.
void writeStateFile(const std::filesystem::path& file, instance::AmpInstance& amp,
                    const std::string& name);

// Moves a damaged file aside as FILE.bad (replacing an older copy), so that
// what it held is kept when a new file takes its name. Answers the copy's
// path; empty when the move failed (the file then stays where it was).
std::filesystem::path keepDamagedCopy(const std::filesystem::path& file);

} // namespace gravelo::standalone
