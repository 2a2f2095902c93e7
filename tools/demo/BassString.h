// One plucked bass string by the Karplus-Strong method: a delay line one
// period long, filled with a soft burst of noise, fed back through a
// two-point average that takes the highs out a little more each period, as
// a real string loses its brightness after the pluck.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gravelo::demo {

class BassString {
  public:
    BassString(double sampleRate, uint32_t seed);

    // Starts a note; `velocity` 0..1.
    void pluck(double frequency, double velocity);
    // The finger lands on the string: the note dies within some tens of ms.
    void mute();
    // Adds the next `count` samples to `out`.
    void render(float* out, int64_t count);

  private:
    double nextNoise();
    double readDelayed() const;

    double rate;
    uint32_t noiseState;
    std::vector<double> line;
    size_t writePosition = 0;
    double period = 0.0;   // in samples, fractional
    double loss = 0.0;     // per-period energy kept
    double previous = 0.0; // last value read, for the average
    double pickupState = 0.0;
};

} // namespace gravelo::demo
