#include "programs/AtomicFile.h"

#include "programs/RenderError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace gravelo::render {

namespace {

std::string folderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::string systemError() {
    return std::strerror(errno);
}

} // namespace

AtomicFile::AtomicFile(std::string targetPath) : target(std::move(targetPath)) {
    const std::filesystem::path path(target);
    std::error_code ignored;
    if (path.filename().empty() || std::filesystem::is_directory(path, ignored))
        throw RenderError("output '" + target + "' names a folder, not a file");
    temporary =
        (path.parent_path() / ("." + path.filename().string() + ".partial-XXXXXX")).string();
    fd = mkstemp(temporary.data());
    if (fd < 0)
        throw RenderError("cannot write to folder '" + folderOf(target) + "': " + systemError());
    // mkstemp creates 0600; give the finished file the usual permissions.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
}

AtomicFile::~AtomicFile() {
    if (committed) return;
    if (fd >= 0) close(fd);
    std::remove(temporary.c_str());
}

void AtomicFile::write(const std::vector<uint8_t>& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw RenderError("cannot write '" + target + "': " + systemError());
        written += static_cast<size_t>(n);
    }
}

void AtomicFile::commit() {
    if (fd >= 0) {
        const int closing = fd;
        fd = -1;
        if (fsync(closing) != 0 || close(closing) != 0)
            throw RenderError("cannot write '" + target + "': " + systemError());
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0)
        throw RenderError("cannot create '" + target + "': " + systemError());
    committed = true;
}

void writeFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
}

std::vector<uint8_t> readWholeFile(const std::string& path, const std::string& what) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        throw RenderError("cannot read " + what + " '" + path + "': " + systemError());
    std::vector<uint8_t> bytes;
    uint8_t buffer[65536];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) throw RenderError("cannot read " + what + " '" + path + "': read error");
    return bytes;
}

} // namespace gravelo::render
