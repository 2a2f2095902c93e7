// A shared library loaded as hosts load plug-ins (dlopen with local symbols,
// LoadLibrary on Windows), its symbols looked up, unloaded at the end. The
// one loader of every host program here: the renderer's and the tests' for
// each format.
#pragma once

#include <string>

namespace gravelo::vsthost {

class SharedLibrary {
  public:
    enum class Unloading { onDestruction, never };

    explicit SharedLibrary(const std::string& path, Unloading unloading = Unloading::onDestruction);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    bool loaded() const { return handle != nullptr; }
    // Why it did not load.
    const std::string& error() const { return why; }
    void* symbol(const char* name) const;
    // Whether `symbol` lies in this library rather than one it depends on.
    bool defines(void* symbol) const;
    void* native() const { return handle; }

  private:
    void* handle = nullptr;
    std::string why;
};

} // namespace gravelo::vsthost
