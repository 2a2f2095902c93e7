// The fixed audio scenario shared by the Windows test host and the Linux
// reference render: the same input, settings and block sizes, so the two
// builds' outputs can be compared sample by sample. No platform calls.
#pragma once

#include "host/VstInterface.h"

#include <string>
#include <utility>
#include <vector>

namespace audio_scenario {

constexpr float kSampleRate = 48000.0f;
constexpr int kBlockSize = 512;
// Host values of the controls the scenario changes (index, value).
constexpr std::pair<int, float> kSettings[] = {{0, 0.75f}, {1, 0.6f},  {2, 0.4f},
                                               {3, 0.7f},  {4, 0.55f}, {6, 0.65f}};

// Two seconds of bass-like signal: two partials, plucks and a little noise.
std::vector<float> fixedInput();
// Opens and resumes effect with the scenario's settings (several controls
// away from their defaults).
void prepare(AEffect* effect);
// The left output of the input through processReplacing or
// processDoubleReplacing, in the scenario's blocks (the last one short).
std::vector<float> renderFloat(AEffect* effect, const std::vector<float>& input);
std::vector<double> renderDouble(AEffect* effect, const std::vector<float>& input);

bool writeFloats(const std::string& path, const std::vector<float>& samples);
bool readFloats(const std::string& path, std::vector<float>& samples);

} // namespace audio_scenario
