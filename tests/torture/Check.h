// How a torture case or the soak run gives its verdict: it returns normally
// when it passed and calls fail() when it did not.
#pragma once

#include <stdexcept>
#include <string>

namespace torture {

// What fail() throws; a test program reports its text as the failure.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& why);
void check(bool condition, const std::string& why);
// A remark on a case that passed: printed with its output.
void note(const std::string& text);

} // namespace torture
