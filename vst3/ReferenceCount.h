// The reference count of a plug-in object: atomic, since hosts add and drop
// references from several threads. It starts at one, the creator's.
#pragma once

#include <atomic>
#include <cstdint>

namespace gravelo::vst3 {

class ReferenceCount {
  public:
    uint32_t add() { return count.fetch_add(1, std::memory_order_relaxed) + 1; }
    // The count left; the owner deletes itself at 0.
    uint32_t drop() { return count.fetch_sub(1, std::memory_order_acq_rel) - 1; }

  private:
    std::atomic<uint32_t> count{1};
};

} // namespace gravelo::vst3
