// A host's change of one slider, made through the one control rule (as a
// parameter from any format makes it), for tests of what follows from it.
#pragma once

#include "runtime/HostParameters.h"
#include "runtime/TVobrix.h"

#include <gtest/gtest.h>

inline void hostSets(TVobrix& runtime, int32_t number, double value) {
    for (const SliderInfo& info : runtime.sliderInfos)
        if (info.number == number) {
            gravelo::runtime::storeHostValue(runtime, info, value);
            return;
        }
    ADD_FAILURE() << "no slider " << number;
}
