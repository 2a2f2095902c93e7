// The failures the renderer reports: a sentence for the user, printed as a
// single line on standard error; a command line that makes no sense is a
// usage error (exit status 2, where other failures give 1).
#pragma once

#include <stdexcept>
#include <string>

namespace gravelo::render {

class RenderError : public std::runtime_error {
  public:
    explicit RenderError(const std::string& message) : std::runtime_error(message) {}
};

class UsageError : public std::runtime_error {
  public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace gravelo::render
