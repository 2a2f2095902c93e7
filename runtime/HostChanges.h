// What a host did to the sliders: a count of its changes per slider and the
// value it gave last. The control rule and a state load note each change, on
// whichever thread the host uses; a panel, which writes sliders itself from
// its knobs, compares the counts once per frame to tell the host's changes
// from its own, and puts the host's value back where its own drawing may have
// written an older one over it.
#pragma once

#include "SharedValue.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

template <size_t kSlots> class HostChanges {
  public:
    // Any thread. The value is written before the count, so whoever sees
    // the new count reads this value or a newer one.
    void note(size_t number, double value) {
        if (number >= kSlots) return;
        values[number] = value;
        counts[number].fetch_add(1, std::memory_order_release);
    }
    uint32_t count(size_t number) const {
        return number < kSlots ? counts[number].load(std::memory_order_acquire) : 0;
    }
    double value(size_t number) const { return number < kSlots ? values[number].load() : 0.0; }

  private:
    std::array<std::atomic<uint32_t>, kSlots> counts{};
    std::array<SharedValue, kSlots> values{};
};
