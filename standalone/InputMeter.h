// The input level a bass player sets the interface's gain by. The audio
// thread notes each period's peak (lock-free, one writer); the window takes
// the loudest since its last look, lets the bar fall back smoothly and
// holds the clip lamp for a second after a peak reached full scale.
#pragma once

#include <atomic>

namespace gravelo::standalone {

class InputPeak {
  public:
    // [audio] The peak of one period's input.
    void note(float peak) {
        if (peak > loudest.load(std::memory_order_relaxed))
            loudest.store(peak, std::memory_order_relaxed);
    }
    // [main] The loudest peak since the last call (a peak the audio thread
    // notes at the same moment may count towards the next call).
    float take() { return loudest.exchange(0.0f, std::memory_order_relaxed); }

  private:
    std::atomic<float> loudest{0.0f};
};

class MeterDisplay {
  public:
    static constexpr double kClipHoldSeconds = 1.0;
    static constexpr float kClipLevel = 1.0f;      // full scale
    static constexpr double kFallPerSecond = 20.0; // dB the bar falls by
    static constexpr double kFloorDb = -60.0;

    // A peak taken at `now` (seconds on any steady clock).
    void update(float peak, double now);
    // The bar's level in dB, kFloorDb at the bottom.
    double levelDb() const { return level; }
    // The bar's height as a fraction 0..1 of the meter.
    double fraction() const { return (level - kFloorDb) / -kFloorDb; }
    bool clipLit(double now) const {
        return clippedAt >= 0.0 && now - clippedAt < kClipHoldSeconds;
    }

  private:
    double level = kFloorDb;
    double lastUpdate = -1.0;
    double clippedAt = -1.0;
};

} // namespace gravelo::standalone
