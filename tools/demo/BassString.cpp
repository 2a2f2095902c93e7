#include "BassString.h"

#include <cmath>

namespace gravelo::demo {

namespace {
// Long enough for the lowest note of a five-string bass (B0, 30.9 Hz) at 192 kHz.
constexpr size_t kLineLength = 8192;
// How much of each period survives: bass strings ring for seconds.
constexpr double kRingingLoss = 0.9985;
constexpr double kMutedLoss = 0.6;
// A finger pluck is dull: the noise burst goes through a one-pole low-pass.
constexpr double kPluckSoftness = 0.55;
// The pickup hears less of the lowest rumble.
constexpr double kPickupHighPass = 0.999;
} // namespace

BassString::BassString(double sampleRate, uint32_t seed)
    : rate(sampleRate), noiseState(seed), line(kLineLength, 0.0) {}

double BassString::nextNoise() {
    noiseState = noiseState * 1664525u + 1013904223u;
    return static_cast<double>(noiseState >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
}

void BassString::pluck(double frequency, double velocity) {
    // The two-point average delays by half a sample; the line is shortened to match.
    period = std::fmin(rate / frequency - 0.5, static_cast<double>(kLineLength - 2));
    loss = kRingingLoss;
    const auto length = static_cast<size_t>(std::ceil(period)) + 1;
    double soft = 0.0;
    for (size_t i = 0; i < length; ++i) {
        soft += (1.0 - kPluckSoftness) * (nextNoise() - soft);
        line[(writePosition + kLineLength - length + i) % kLineLength] = soft * velocity;
    }
}

void BassString::mute() {
    loss = kMutedLoss;
}

double BassString::readDelayed() const {
    const double position =
        static_cast<double>(writePosition) + static_cast<double>(kLineLength) - period;
    const auto whole = static_cast<size_t>(position);
    const double fraction = position - static_cast<double>(whole);
    const double a = line[whole % kLineLength], b = line[(whole + 1) % kLineLength];
    return a + (b - a) * fraction;
}

void BassString::render(float* out, int64_t count) {
    if (period <= 0.0) return;
    for (int64_t i = 0; i < count; ++i) {
        const double delayed = readDelayed();
        const double averaged = loss * 0.5 * (delayed + previous);
        previous = delayed;
        line[writePosition] = averaged;
        writePosition = (writePosition + 1) % kLineLength;
        const double pickup = averaged - pickupState;
        pickupState = kPickupHighPass * pickupState + (1.0 - kPickupHighPass) * averaged;
        out[i] += static_cast<float>(pickup);
    }
}

} // namespace gravelo::demo
