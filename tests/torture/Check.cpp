#include "Check.h"

#include <cstdio>

namespace gravelo::test::torture {

void fail(const std::string& why) {
    throw Failure(why);
}

void check(bool condition, const std::string& why) {
    if (!condition) fail(why);
}

void note(const std::string& text) {
    std::printf("note: %s\n", text.c_str());
    std::fflush(stdout);
}

} // namespace gravelo::test::torture
