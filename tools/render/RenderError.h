// The one kind of failure the renderer reports: a sentence for the user,
// printed as a single line on standard error.
#pragma once

#include <stdexcept>
#include <string>

namespace render {

class RenderError : public std::runtime_error {
  public:
    explicit RenderError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace render
