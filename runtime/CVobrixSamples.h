// Per-channel sample slots that the sample hook reads and overwrites.
#pragma once

#include "CVobrixSliders.h"

#include <array>

class CVobrixSamples : public CVobrixSliders {
  public:
    static constexpr int kSampleSlotCount = 64;

    // Block hook: audio thread, once per processing call before its frames.
    virtual void doBlock() {}
    // Sample hook: audio thread, once per frame with the inputs in the slots.
    virtual void doSample() {}

    std::array<double, kSampleSlotCount> samples{};
};
