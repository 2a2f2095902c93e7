#include "FuzzHost.h"

#include "vsthost/InProcess.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace gravelo::fuzz {
namespace {

// With every control inside its range the chain is stable and the limiter
// holds peaks near a few times the signal's RMS, times at most 40 dB of
// input and 20 dB of output gain; far beyond that the chain ran away.
constexpr float kOutputBound = 1.0e4f;

} // namespace

Instance::Instance(float sampleRate, VstInt32 blockSize) {
    recording = false; // a fuzzing run makes millions of calls
    if (!create(vsthost::createAmplifier)) std::abort();
    start(sampleRate, blockSize);
}

Instance::~Instance() {
    dispatch(effMainsChanged, 0, 0);
}

void Instance::processAndCheck(int frames, float inputLevel) {
    std::vector<float> in(frames), outL(frames), outR(frames);
    for (int i = 0; i < frames; ++i)
        in[i] = inputLevel * std::sin(0.05f * float(i));
    std::vector<float> in2 = in;
    float* inputs[] = {in.data(), in2.data()};
    float* outputs[] = {outL.data(), outR.data()};
    process(inputs, outputs, frames);
    // Controls restored outside their ranges reach the chain unclamped, by
    // design, and what they leave in the filter states decays only slowly;
    // from then on only memory and undefined-behaviour faults count.
    if (!controlsInRange()) everOutOfRange = true;
    if (everOutOfRange) return;
    for (int i = 0; i < frames; ++i) {
        if (!std::isfinite(outL[i]) || !std::isfinite(outR[i]) ||
            std::fabs(outL[i]) > kOutputBound || std::fabs(outR[i]) > kOutputBound) {
            std::fprintf(stderr, "output out of bounds at frame %d: %g %g\n", i, outL[i], outR[i]);
            std::abort();
        }
    }
}

bool Instance::controlsInRange() const {
    for (VstInt32 i = 0; i < effect()->numParams; ++i) {
        const float position = getParameter(i);
        if (!(position >= 0.0f && position <= 1.0f)) return false;
    }
    return true;
}

int32_t ByteSource::int32() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= uint32_t{byte()} << (8 * i);
    return static_cast<int32_t>(value);
}

float ByteSource::float32() {
    const int32_t bits = int32();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace gravelo::fuzz
