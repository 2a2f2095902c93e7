// How the plug-in rig and the soak run give their verdict: they return
// normally when all went well and call fail() when it did not (the cases
// themselves assert with GoogleTest, which reports a Failure thrown by the
// rig as the case's failure).
#pragma once

#include <stdexcept>
#include <string>

namespace gravelo::test::torture {

// What fail() throws; a test program reports its text as the failure.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& why);
void check(bool condition, const std::string& why);
// A remark on a case that passed: printed with its output.
void note(const std::string& text);

} // namespace gravelo::test::torture
