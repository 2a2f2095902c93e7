#include "AudioScenario.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>

namespace gravelo::test::scenario {
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

namespace {

constexpr float kNone = __builtin_nanf("");
// The controls' ranges, for their host values.
constexpr float kMinimum[9] = {0, -20, 0, 0, -6, -6, -6, 0.1f, 0};
constexpr float kMaximum[9] = {40, 20, 10, 10, 6, 6, 6, 10, 10};

} // namespace

const Setting kSettingsToCompare[6] = {
    {"defaults", {kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
    {"worst", {24, 0, 3, 7, 4, 3, 5, 2, 6}},
    {"clean", {6, -1, 3, 0, 1.5f, 0, 1, 8, 2}},
    {"dirt", {28, -15, 6, 8, 2, 3.5f, 2, 5, 4}},
    {"growl", {18, -9, 5, 3.5f, 3, 2, 0.5f, 6, 3}},
    {"scooped", {12, -5, 7, 1, 4.5f, -5, 4, 7, 1}},
};

void prepare(AEffect* effect, const Setting& setting) {
    effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0.0f);
    effect->dispatcher(effect, effSetSampleRate, 0, 0, nullptr, kSampleRate);
    effect->dispatcher(effect, effSetBlockSize, 0, kBlockSize, nullptr, 0.0f);
    for (int i = 0; i < 9; ++i)
        if (setting.values[i] == setting.values[i])
            effect->setParameter(effect, i,
                                 (setting.values[i] - kMinimum[i]) / (kMaximum[i] - kMinimum[i]));
    effect->dispatcher(effect, effMainsChanged, 0, 1, nullptr, 0.0f);
}

double nanosecondsPerFrame(AEffect* effect, const std::vector<float>& input, int rounds) {
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const std::vector<float> output = renderFloat(effect, input);
        const std::chrono::duration<double, std::nano> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / double(output.size()));
    }
    return best;
}

void reportSpeeds(const char* who, const std::function<AEffect*()>& make,
                  const std::function<void(AEffect*)>& destroy) {
    const std::vector<float> input = fixedInput();
    for (const Setting& setting : {kSettingsToCompare[0], kSettingsToCompare[1]}) {
        AEffect* effect = make();
        if (effect == nullptr) return;
        prepare(effect, setting);
        std::printf("%s %-8s %6.1f ns per frame\n", who, setting.name,
                    nanosecondsPerFrame(effect, input, 20));
        std::fflush(stdout);
        destroy(effect);
    }
}

std::string settingPath(const std::string& audioPath, const Setting& setting) {
    return audioPath + "." + setting.name;
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

} // namespace gravelo::test::scenario
