// The presets as the audio thread sees them, for MIDI Program Change: a
// fixed table of control values, filled from the main thread before the
// count that publishes them, never moved or freed while the audio runs. A
// slot below the count is never written again, so the audio thread reads
// it without a lock; programs beyond the table's 128 (the numbers a
// Program Change can carry) are not reachable by MIDI.
#pragma once

#include "instance/AmpInstance.h"

#include <array>
#include <atomic>
#include <cstddef>

namespace gravelo::standalone {

class ProgramTable {
  public:
    static constexpr size_t kCapacity = 128;
    using Controls = instance::AmpInstance::ControlValues;

    // [main] False when the table is full.
    bool append(const Controls& controls) {
        const size_t n = count.load(std::memory_order_relaxed);
        if (n >= kCapacity) return false;
        slots[n] = controls;
        count.store(n + 1, std::memory_order_release);
        return true;
    }
    // [any] The controls of program `number`; null when there is none.
    const Controls* find(size_t number) const {
        return number < count.load(std::memory_order_acquire) ? &slots[number] : nullptr;
    }
    size_t size() const { return count.load(std::memory_order_acquire); }

  private:
    std::array<Controls, kCapacity> slots{};
    std::atomic<size_t> count{0};
};

} // namespace gravelo::standalone
