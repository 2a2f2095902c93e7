// The formats' entries linked into the fuzz target itself, for the route
// suite's hosts: every format reached in one process, instrumented.
#pragma once

#include "support/routes/Route.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace gravelo::fuzz {

const test::routes::Entries& linkedEntries();

// A block of input at a modest level through the route; traps (aborts)
// when an output is not finite.
void processAndCheck(test::routes::Route& route, uint32_t frames);

} // namespace gravelo::fuzz
