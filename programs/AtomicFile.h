// Output that appears under its name only when complete: the data goes to a
// hidden temporary file in the target's folder (so the final rename stays on
// one file system) and is renamed over the target on commit. Destroying an
// uncommitted file removes the temporary file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gravelo::render {

class AtomicFile {
  public:
    // Creates the temporary file; throws RenderError when the folder cannot
    // be written.
    explicit AtomicFile(std::string target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The open descriptor of the temporary file; it stays open until
    // commit or destruction.
    int descriptor() const { return fd; }
    const std::string& temporaryPath() const { return temporary; }
    const std::string& targetPath() const { return target; }

    void write(const std::vector<uint8_t>& bytes);
    // Flushes, closes and renames over the target.
    void commit();

  private:
    std::string target;
    std::string temporary;
    int fd = -1;
    bool committed = false;
};

// Writes a whole file through an AtomicFile.
void writeFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);
// Reads a whole file; throws RenderError naming `what` on failure.
std::vector<uint8_t> readWholeFile(const std::string& path, const std::string& what);

} // namespace gravelo::render
