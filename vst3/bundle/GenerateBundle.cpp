// gravelo-vst3-bundle: writes the generated files of Gravelo.vst3: the
// bundle's Contents/Resources/moduleinfo.json from the factory's own
// answers, and one .vstpreset per .fxp preset into a preset folder.
//   gravelo-vst3-bundle BUNDLE PRESET_DIR [PRESET.fxp ...]
#include "instance/AmpInstance.h"
#include "programs/PresetLoad.h"
#include "vst3/Vst3Identity.h"
#include "vst3/bundle/PresetContainer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace gravelo::vst3;

void writeFile(const fs::path& path, const void* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

// The subcategories as a JSON array of their '|'-separated parts.
std::string subCategoryArray() {
    std::string parts = "[";
    std::stringstream tags(kSubCategories);
    std::string tag;
    for (bool first = true; std::getline(tags, tag, '|'); first = false)
        parts += (first ? "\"" : ", \"") + tag + "\"";
    return parts + "]";
}

std::string moduleInfo() {
    std::ostringstream json;
    json << "{\n"
         << "  \"Name\": \"Gravelo\",\n"
         << "  \"Version\": \"" << kVersion << "\",\n"
         << "  \"Factory Info\": {\n"
         << "    \"Vendor\": \"" << kVendor << "\",\n"
         << "    \"URL\": \"" << kUrl << "\",\n"
         << "    \"E-Mail\": \"" << kEmail << "\",\n"
         << "    \"Flags\": {\"Unicode\": true, \"Classes Discardable\": false, "
            "\"Component Non Discardable\": false}\n"
         << "  },\n"
         << "  \"Classes\": [\n"
         << "    {\n"
         << "      \"CID\": \"" << kClassIdText << "\",\n"
         << "      \"Category\": \"" << gravelo::vst3::api::kVstAudioEffectClass << "\",\n"
         << "      \"Name\": \"" << kName << "\",\n"
         << "      \"Vendor\": \"" << kVendor << "\",\n"
         << "      \"Version\": \"" << kVersion << "\",\n"
         << "      \"SDKVersion\": \"" << kSdkVersion << "\",\n"
         << "      \"Sub Categories\": " << subCategoryArray() << ",\n"
         << "      \"Class Flags\": 0,\n"
         << "      \"Cardinality\": " << gravelo::vst3::api::kManyInstances << ",\n"
         << "      \"Snapshots\": []\n"
         << "    }\n"
         << "  ]\n"
         << "}\n";
    return json.str();
}

// The state the amplifier holds once it has loaded the .fxp's chunk.
std::vector<uint8_t> presetState(const fs::path& path) {
    gravelo::instance::AmpInstance amp;
    gravelo::render::presetfile::loadFxp(path, amp);
    const auto state = amp.saveState();
    return {state.begin(), state.end()};
}

void generate(int argc, char** argv) {
    const fs::path bundle = argv[1];
    const fs::path presets = argv[2];
    fs::create_directories(bundle / "Contents" / "Resources");
    const std::string info = moduleInfo();
    writeFile(bundle / "Contents" / "Resources" / "moduleinfo.json", info.data(), info.size());
    fs::create_directories(presets);
    for (int i = 3; i < argc; ++i) {
        const std::vector<uint8_t> file = writeVstPreset(kClassIdText, presetState(argv[i]));
        const fs::path name = fs::path(argv[i]).stem().string() + ".vstpreset";
        writeFile(presets / name, file.data(), file.size());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: gravelo-vst3-bundle BUNDLE PRESET_DIR [PRESET.fxp ...]\n");
        return 2;
    }
    try {
        generate(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "gravelo-vst3-bundle: %s\n", error.what());
        return 1;
    }
    return 0;
}
