#include "programs/PluginLocation.h"

#include "programs/RenderError.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace gravelo::render {

namespace {

constexpr const char* kPluginFile = "Gravelo.so";

std::filesystem::path toolFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
}

std::vector<std::filesystem::path> candidates() {
    std::vector<std::filesystem::path> places;
    const auto folder = toolFolder();
    if (!folder.empty()) {
        places.push_back(folder / kPluginFile);
        places.push_back(folder.parent_path() / kPluginFile);
        places.push_back(folder.parent_path().parent_path() / kPluginFile);
        places.push_back(folder.parent_path() / "lib" / "vst" / kPluginFile);
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        places.push_back(std::filesystem::path(home) / ".vst" / kPluginFile);
    return places;
}

} // namespace

std::string defaultPluginPath() {
    for (const auto& place : candidates()) {
        std::error_code error;
        if (std::filesystem::is_regular_file(place, error))
            return place.lexically_normal().string();
    }
    throw RenderError(std::string("cannot find ") + kPluginFile +
                      " beside the tool or in ~/.vst; name it with --plugin PATH");
}

} // namespace gravelo::render
