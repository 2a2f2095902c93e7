#include "AudioScenario.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace audio_scenario {
namespace {

template <typename Sample, typename Process>
std::vector<Sample> render(const std::vector<float>& input, Process process) {
    std::vector<Sample> left(kBlockSize), right(kBlockSize), outLeft(kBlockSize),
        outRight(kBlockSize);
    std::vector<Sample> result;
    result.reserve(input.size());
    for (size_t start = 0; start < input.size(); start += kBlockSize) {
        const size_t frames = std::min<size_t>(kBlockSize, input.size() - start);
        for (size_t i = 0; i < frames; ++i)
            left[i] = right[i] = Sample(input[start + i]);
        Sample* inputs[] = {left.data(), right.data()};
        Sample* outputs[] = {outLeft.data(), outRight.data()};
        process(inputs, outputs, VstInt32(frames));
        result.insert(result.end(), outLeft.begin(), outLeft.begin() + std::ptrdiff_t(frames));
    }
    return result;
}

} // namespace

std::vector<float> fixedInput() {
    const size_t length = size_t(2 * kSampleRate);
    std::vector<float> samples(length);
    uint32_t noise = 12345;
    for (size_t i = 0; i < length; ++i) {
        const double t = double(i) / kSampleRate;
        const double pluck = std::exp(-4.0 * std::fmod(t, 0.5));
        noise = noise * 1664525u + 1013904223u;
        const double hiss = (double(noise >> 8) / double(1u << 24) - 0.5) * 0.01;
        samples[i] = float(pluck * (0.5 * std::sin(2 * 3.14159265358979 * 55.0 * t) +
                                    0.25 * std::sin(2 * 3.14159265358979 * 110.0 * t)) +
                           hiss);
    }
    return samples;
}

void prepare(AEffect* effect) {
    effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0.0f);
    effect->dispatcher(effect, effSetSampleRate, 0, 0, nullptr, kSampleRate);
    effect->dispatcher(effect, effSetBlockSize, 0, kBlockSize, nullptr, 0.0f);
    for (const auto& [index, value] : kSettings)
        effect->setParameter(effect, index, value);
    effect->dispatcher(effect, effMainsChanged, 0, 1, nullptr, 0.0f);
}

std::vector<float> renderFloat(AEffect* effect, const std::vector<float>& input) {
    return render<float>(input, [effect](float** in, float** out, VstInt32 frames) {
        effect->processReplacing(effect, in, out, frames);
    });
}

std::vector<double> renderDouble(AEffect* effect, const std::vector<float>& input) {
    return render<double>(input, [effect](double** in, double** out, VstInt32 frames) {
        effect->processDoubleReplacing(effect, in, out, frames);
    });
}

bool writeFloats(const std::string& path, const std::vector<float>& samples) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(samples.data()),
               std::streamsize(samples.size() * sizeof(float)));
    return bool(file);
}

bool readFloats(const std::string& path, std::vector<float>& samples) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return false;
    const auto bytes = size_t(file.tellg());
    samples.resize(bytes / sizeof(float));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(samples.data()),
              std::streamsize(samples.size() * sizeof(float)));
    return bool(file);
}

} // namespace audio_scenario
