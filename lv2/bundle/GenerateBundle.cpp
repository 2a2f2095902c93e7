// gravelo-lv2-bundle: writes the Turtle files of Gravelo.lv2 (manifest, the
// plug-in with its ports and UI, one preset per .fxp file) into a folder.
//   gravelo-lv2-bundle OUTDIR DSP_BINARY UI_BINARY [PRESET.fxp ...]
#include "Description.h"
#include "programs/PresetLoad.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;
using gravelo::lv2::PresetContent;

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

// The preset's values as the amplifier holds them once it has loaded the
// file's chunk: the controls a host shows and the state it restores.
PresetContent presetFrom(const fs::path& path) {
    gravelo::instance::AmpInstance amp;
    gravelo::render::presetfile::loadFxp(path, amp);
    PresetContent content;
    content.name = path.stem().string();
    for (int i = 0; i < gravelo::instance::AmpInstance::kControlCount; ++i)
        content.controls[static_cast<size_t>(i)] = static_cast<float>(amp.control(i));
    content.state = amp.saveState();
    return content;
}

void generate(int argc, char** argv) {
    const fs::path folder = argv[1];
    gravelo::lv2::BundleFiles files{argv[2], argv[3], "gravelo.ttl", {}};
    fs::create_directories(folder / "presets");
    for (int i = 4; i < argc; ++i) {
        const PresetContent preset = presetFrom(argv[i]);
        writeFile(folder / "presets" / (preset.name + ".ttl"), gravelo::lv2::presetTurtle(preset));
        files.presetNames.push_back(preset.name);
    }
    const gravelo::instance::AmpInstance amp;
    writeFile(folder / files.description, gravelo::lv2::pluginTurtle(amp));
    writeFile(folder / "manifest.ttl", gravelo::lv2::manifestTurtle(files));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: gravelo-lv2-bundle OUTDIR DSP_BINARY UI_BINARY [PRESET.fxp ...]\n",
                   stderr);
        return 2;
    }
    try {
        generate(argc, argv);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "gravelo-lv2-bundle: %s\n", error.what());
        return 1;
    }
}
