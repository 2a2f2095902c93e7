// The one rule for loading a saved state chunk (the marker, then the saved
// sliders, as little-endian floats) into the runtime, in the two modes the
// formats need.
#pragma once

#include "SliderInfo.h"

#include <cstddef>
#include <span>

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

// The value slider `number` takes from the float a state saved for it:
// takeSavedValue's for a defined slider, the saved one for any other. The
// effect's serialize hook reads every slider through this.
double loadedValue(const TVobrix& runtime, int32_t number, double saved);

// The values a strict load of a chunk of `expected` bytes would give the
// defined sliders, one per slider record in their order. False, leaving
// `values` alone, when the strict check refuses the chunk or `values` has
// not one place per record. Changes nothing in the runtime.
bool loadedValues(const TVobrix& runtime, const void* data, size_t size, size_t expected,
                  std::span<double> values);
// Stores a value loadedValues gave into its slider as a load stores it:
// exactly, noted among the host's changes. True when the slider moved.
// Does not run doSlider.
bool storeLoadedValue(TVobrix& runtime, const SliderInfo& info, double loaded);

// Loads `size` bytes of state by the rule of `check`. True when the chunk
// was loaded; false, changing nothing, when it was refused (Lenient
// refuses only a chunk without the marker).
bool loadState(TVobrix& runtime, const void* data, size_t size, StateCheck check);

} // namespace gravelo::runtime
