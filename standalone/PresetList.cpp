#include "standalone/PresetList.h"

#include "standalone/FactoryPresets.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace gravelo::standalone {

namespace {

std::string stem(const std::string& fileName) {
    return std::filesystem::path(fileName).stem().string();
}

std::vector<std::filesystem::path> userFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error))
        if (item.path().extension() == ".fxp" && item.is_regular_file(error))
            files.push_back(item.path());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

void PresetList::gather(
    const std::vector<std::pair<std::string, std::span<const uint8_t>>>& factory,
    const std::filesystem::path& userFolder, const instance::AmpInstance& amp,
    const Warning& warn) {
    entries.clear();
    for (const auto& [fileName, bytes] : factory) {
        try {
            entries.push_back({stem(fileName), parseStateFile(bytes, fileName, amp).controls, {}});
        } catch (const StateFileError& error) {
            warn(error.what());
        }
    }
    for (const std::filesystem::path& file : userFiles(userFolder)) {
        try {
            entries.push_back({file.stem().string(), readStateFile(file, amp).controls, file});
        } catch (const StateFileError& error) {
            warn(error.what());
        }
    }
}

size_t PresetList::next(size_t index) const {
    return entries.empty() ? 0 : (index + 1) % entries.size();
}

size_t PresetList::previous(size_t index) const {
    return entries.empty() ? 0 : (index + entries.size() - 1) % entries.size();
}

std::vector<std::pair<std::string, std::span<const uint8_t>>> builtInFactoryPresets() {
    std::vector<std::pair<std::string, std::span<const uint8_t>>> presets;
    for (size_t i = 0; i < VSTGUI::kFactoryPresetsCount; ++i) {
        const VSTGUI::ResourceEntry& entry = VSTGUI::kFactoryPresets[i];
        if (entry.data != nullptr)
            presets.emplace_back(entry.name, std::span(entry.data, entry.size));
    }
    return presets;
}

std::filesystem::path freshPresetFile(const std::filesystem::path& folder, const std::tm& when) {
    char minute[32];
    std::strftime(minute, sizeof minute, "%Y-%m-%d %H.%M", &when);
    std::filesystem::path file = folder / (std::string(minute) + ".fxp");
    for (int copy = 2; std::filesystem::exists(file); ++copy)
        file = folder / (std::string(minute) + " (" + std::to_string(copy) + ").fxp");
    return file;
}

} // namespace gravelo::standalone
