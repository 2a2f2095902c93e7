#include "CVobrixFiles.h"

#include "Numeric.h"
#include "platform/Platform.h"

#include <cstdio>
#include <dirent.h>
#include <memory>

namespace {

std::string directoryOf(const std::string& path) {
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

} // namespace

CVobrixFiles::CVobrixFiles()
    : streams(1), moduleDirectory(directoryOf(gravelo::runtime::platform::moduleFilePath())),
      logPath(gravelo::runtime::platform::defaultLogPath()) {}

CVobrixFiles::~CVobrixFiles() {
    for (FileStream& stream : streams)
        closeFile(stream);
}

FileStream* CVobrixFiles::streamAt(double number) {
    const int32_t index = gravelo::runtime::toIndex(number);
    if (index < 0 || static_cast<size_t>(index) >= streams.size()) return nullptr;
    return &streams[static_cast<size_t>(index)];
}

void CVobrixFiles::streamValue(FileStream& stream, double& variable) {
    if (stream.position < 0) return;
    const size_t position = static_cast<size_t>(stream.position);
    if (stream.mode == FileStream::Writing) {
        if (stream.buffer.size() < position + 1) stream.buffer.resize(position + 1, 0.0f);
        stream.buffer[position] = static_cast<float>(variable);
        ++stream.position;
    } else if (stream.mode == FileStream::Reading) {
        if (position < stream.buffer.size()) {
            variable = static_cast<double>(stream.buffer[position]);
            ++stream.position;
        }
    }
}

void CVobrixFiles::closeFile(FileStream& stream) {
    if (stream.mode == FileStream::Writing && !stream.name.empty()) {
        const std::string path = resolvePath(stream.name);
        if (FILE* file = std::fopen(path.c_str(), "wb")) {
            for (float value : stream.buffer)
                std::fputc(gravelo::runtime::toIndex(value) & 0xff, file);
            std::fclose(file);
        }
    }
    stream.name.clear();
    stream.position = 0;
    stream.buffer.clear();
    stream.mode = FileStream::Closed;
}

std::string CVobrixFiles::resolvePath(const std::string& name) const {
    std::string rest = name;
    if (!rest.empty() && (rest[0] == '\\' || rest[0] == '/')) rest.erase(0, 1);
    return gravelo::runtime::platform::nativePath(moduleDirectory + rest);
}

std::vector<std::string> CVobrixFiles::listFolder(const std::string& folder) const {
    std::vector<std::string> names;
    const std::string path = resolvePath(folder);
    std::unique_ptr<DIR, int (*)(DIR*)> directory(opendir(path.c_str()), closedir);
    if (!directory) return names;
    while (const dirent* entry = readdir(directory.get())) {
        const std::string name = entry->d_name;
        if (name.empty() || name[0] == '.') continue;
        // The folder text carries its own trailing separator; none is inserted.
        if (gravelo::runtime::platform::isRegularFile(path + name)) names.push_back(name);
    }
    return names;
}

void CVobrixFiles::writeLog(const std::string& text) const {
    FILE* file = std::fopen(logPath.c_str(), "a");
    if (file == nullptr) return;
    std::fprintf(file, "%s\n", text.c_str());
    std::fclose(file);
    gravelo::runtime::platform::beep();
}
