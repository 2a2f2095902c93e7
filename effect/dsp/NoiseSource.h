// The generator behind the per-block noise offset: values 0 to 32767 like
// the classic C rand(), but owned by one instance and always started from
// the same seed, so renders repeat exactly and instances do not disturb
// each other.
#pragma once

#include <cstdint>

namespace gravelo::dsp {

class NoiseSource {
  public:
    static constexpr int kMaximum = 32767;
    static constexpr uint32_t kSeed = 1;

    // The ANSI C example generator: next = next · 1103515245 + 12345,
    // answering bits 16..30.
    int next() {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state / 65536u) % 32768u);
    }

    void reset() { state = kSeed; }

  private:
    uint32_t state = kSeed;
};

} // namespace gravelo::dsp
