// A Gravelo .fxp preset file loaded into an amplifier instance, for the
// programs that write the presets of other formats from the .fxp files.
#pragma once

#include <filesystem>

namespace gravelo::instance {
class AmpInstance;
}

namespace gravelo::render::presetfile {

// Loads the file's program chunk into amp by the strict state rule. Throws
// std::runtime_error, naming the file, when it cannot be read, is no
// Gravelo program chunk, or the amplifier refuses the chunk.
void loadFxp(const std::filesystem::path& path, instance::AmpInstance& amp);

} // namespace gravelo::render::presetfile
