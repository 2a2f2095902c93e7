// Hands a value from writer threads to the audio thread whole, without a lock
// on the audio side: a triple buffer. Writers (serialised among themselves by
// a mutex the audio thread never touches) fill a spare slot and swap it into
// the middle; the reader swaps the middle out when it is marked fresh, so it
// always holds a complete set that no writer touches.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

namespace gravelo::dsp {

template <class T> class Published {
  public:
    // Writer side (any thread but the reader's). `make` fills a fresh
    // value (default-constructed first) in the spare slot, which is then
    // published whole; nothing of an earlier value carries over.
    template <class Make> void publish(Make&& make) {
        std::lock_guard<std::mutex> guard(writers);
        slots[back] = T{};
        make(slots[back]);
        const uint32_t previous = middle.exchange(back | kFresh, std::memory_order_acq_rel);
        back = previous & kIndexMask;
    }
    // Reader side (the audio thread): adopts the newest set if there is one.
    // Wait-free: one relaxed load, and one exchange when something changed.
    const T& acquire() {
        if ((middle.load(std::memory_order_relaxed) & kFresh) != 0) {
            const uint32_t previous = middle.exchange(front, std::memory_order_acq_rel);
            front = previous & kIndexMask;
        }
        return slots[front];
    }

    // The set the reader adopted last; reader thread only.
    const T& current() const { return slots[front]; }

    // Reader side: changes the set the reader holds, in place. No writer
    // ever touches that slot, so this takes no lock; a set published later
    // still replaces it at the next acquire().
    template <class Edit> void editCurrent(Edit&& edit) { edit(slots[front]); }

    // Back to default values; only while no other thread uses this object.
    void reset() {
        slots.fill(T{});
        front = 0;
        middle.store(1, std::memory_order_relaxed);
        back = 2;
    }

  private:
    static constexpr uint32_t kFresh = 4;
    static constexpr uint32_t kIndexMask = 3;

    std::mutex writers;
    std::array<T, 3> slots{};
    uint32_t front = 0;              // reader's slot
    std::atomic<uint32_t> middle{1}; // last published slot, plus kFresh when unread
    uint32_t back = 2;               // writers' spare slot
};

} // namespace gravelo::dsp
