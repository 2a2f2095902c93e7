// What the panel did, on its way from the main thread to the host: gesture
// begin, value, gesture end per control, in order. One producer (the main
// thread's panel tick) and one consumer (process, or flush), a fixed ring
// without locks or allocation.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace gravelo::clap {

struct EditorRecord {
    enum Kind : uint8_t { GestureBegin, Value, GestureEnd };
    Kind kind = Value;
    uint32_t control = 0;
    double value = 0.0;
};

class EditorQueue {
  public:
    static constexpr uint32_t kCapacity = 256;

    // Producer: false when the ring is full (the record is not taken).
    bool push(const EditorRecord& record) {
        const uint32_t tail = written.load(std::memory_order_relaxed);
        if (tail - taken.load(std::memory_order_acquire) >= kCapacity) return false;
        ring[tail % kCapacity] = record;
        written.store(tail + 1, std::memory_order_release);
        return true;
    }

    // Consumer: the oldest record without removing it; false when empty.
    bool peek(EditorRecord& record) const {
        const uint32_t head = taken.load(std::memory_order_relaxed);
        if (head == written.load(std::memory_order_acquire)) return false;
        record = ring[head % kCapacity];
        return true;
    }
    // Consumer: removes the record peek() gave.
    void pop() { taken.fetch_add(1, std::memory_order_release); }

  private:
    std::array<EditorRecord, kCapacity> ring{};
    std::atomic<uint32_t> written{0};
    std::atomic<uint32_t> taken{0};
};

} // namespace gravelo::clap
