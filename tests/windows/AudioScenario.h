// The fixed audio scenario shared by the Windows test host and the Linux
// reference render: the same input, settings and block sizes, so the two
// builds' outputs can be compared sample by sample. No platform calls.
#pragma once

#include "host/VstInterface.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace gravelo::test::scenario {

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

// Further settings every build must render to the same bits: the defaults,
// the heaviest case and the four presets' values, in the panel's units
// (NaN: the control stays at its default).
struct Setting {
    const char* name;
    float values[9];
};
extern const Setting kSettingsToCompare[6];
// Opens and resumes effect with one of them.
void prepare(AEffect* effect, const Setting& setting);
// Speed, for the side-by-side figures of scripts/windows-bench.sh (never a
// test): the fastest of `rounds` renders of the input through effect
// (prepared with the setting), in nanoseconds per frame.
double nanosecondsPerFrame(AEffect* effect, const std::vector<float>& input, int rounds);
// One line per setting (defaults, worst): "<who> <setting> <ns> ns per frame";
// make gives a new instance (not yet opened), destroy takes it back.
void reportSpeeds(const char* who, const std::function<AEffect*()>& make,
                  const std::function<void(AEffect*)>& destroy);
// Where the render of a setting goes beside the scenario's own file.
std::string settingPath(const std::string& audioPath, const Setting& setting);
// The left output of the input through processReplacing or
// processDoubleReplacing, in the scenario's blocks (the last one short).
std::vector<float> renderFloat(AEffect* effect, const std::vector<float>& input);
std::vector<double> renderDouble(AEffect* effect, const std::vector<float>& input);

bool writeFloats(const std::string& path, const std::vector<float>& samples);
bool readFloats(const std::string& path, std::vector<float>& samples);

} // namespace gravelo::test::scenario
