// The one rule for loading a saved state chunk (the marker, then the saved
// sliders, as little-endian floats) into the runtime, in the two modes the
// formats need.
#pragma once

#include <cstddef>

class TVobrix;

namespace gravelo::runtime {

enum class StateCheck {
    // VST 2.x: a chunk loads what it holds. A short one sets the sliders it
    // reaches, one without the marker changes nothing, a value that is not
    // finite is skipped. Hosts and saved projects rely on this.
    Lenient,
    // The newer formats: all or nothing. The chunk must have exactly the
    // size the runtime saves, start with the marker, hold only finite
    // values, and keep every defined slider inside its range (give or take
    // the comparison tolerance the float narrowing needs).
    Strict,
};

// The strict mode's check alone, for a chunk of `expected` bytes: whether
// loading it would be taken. Changes nothing.
bool passesStrictCheck(const TVobrix& runtime, const void* data, size_t size, size_t expected);

// Loads `size` bytes of state by the rule of `check`. True when the chunk
// was loaded; false, changing nothing, when it was refused (Lenient
// refuses only a chunk without the marker).
bool loadState(TVobrix& runtime, const void* data, size_t size, StateCheck check);

} // namespace gravelo::runtime
