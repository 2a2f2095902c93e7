#include "instance/AmpInstance.h"

#include "effect/Amplifier.h"
#include "instance/InstanceShell.h"
#include "runtime/HostParameters.h"
#include "runtime/Numeric.h"
#include "runtime/StateChunk.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

static_assert(std::endian::native == std::endian::little, "the chunk is little-endian floats");

namespace gravelo::instance {

namespace {

constexpr double kHighestRate = 1.0e6;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

AmpInstance::AmpInstance()
    : shell(std::make_unique<InstanceShell>()), amp(std::make_unique<Amplifier>(*shell)) {
    shell->host(amp->runtime());
    for (int i = 0; i < kControlCount; ++i) {
        const SliderInfo& s = amp->control(i);
        infos[static_cast<size_t>(i)] = {s.name.c_str(), s.label.c_str(), s.minimum,
                                         s.maximum,      s.defaultValue,  s.step};
    }
}

AmpInstance::~AmpInstance() {
    if (isActive) deactivate();
}

bool AmpInstance::acceptsSampleRate(double sampleRate) {
    return sampleRate > 0.0 && sampleRate <= kHighestRate;
}

bool AmpInstance::activate(double sampleRate, uint32_t maxFrames) {
    if (!acceptsSampleRate(sampleRate) || maxFrames == 0) return false;
    if (isActive) deactivate();
    rate = sampleRate;
    maxBlock = maxFrames;
    // The rate as a VST 2.x host passes it (a float), so renders match.
    shell->setRate(static_cast<float>(rate),
                   static_cast<int32_t>(std::min<uint32_t>(maxBlock, INT32_MAX)));
    amp->start(); // the effect's init hook reads them
    isActive = true;
    return true;
}

uint32_t AmpInstance::tailFrames(double sampleRate) {
    // The longest measured: about 2 s, Quorvel and Output at the top with
    // the drive on, where the impulse moves the drive's gain for its
    // mean square's whole decay; with the default settings under 0.1 s.
    constexpr double kTailSeconds = 2.5;
    if (!acceptsSampleRate(sampleRate)) return 0;
    return static_cast<uint32_t>(std::ceil(kTailSeconds * sampleRate));
}

void AmpInstance::deactivate() {
    if (!isActive) return;
    amp->stop();
    isActive = false;
}

void AmpInstance::reset() {
    amp->restart();
}

namespace {

template <class Sample>
void processBlock(Amplifier& amp, const Sample* const inputs[2], Sample* const outputs[2],
                  uint32_t frames) {
    // The shared path only reads the inputs and only writes the outputs.
    Sample* in[2] = {const_cast<Sample*>(inputs[0]), const_cast<Sample*>(inputs[1])};
    Sample* out[2] = {outputs[0], outputs[1]};
    amp.process(in, out, static_cast<int32_t>(std::min<uint32_t>(frames, INT32_MAX)), 2);
}

} // namespace

void AmpInstance::process(const float* const inputs[2], float* const outputs[2], uint32_t frames) {
    if (isActive) processBlock(*amp, inputs, outputs, frames);
}

void AmpInstance::process(const double* const inputs[2], double* const outputs[2],
                          uint32_t frames) {
    if (isActive) processBlock(*amp, inputs, outputs, frames);
}

double AmpInstance::control(int index) const {
    return isControl(index) ? amp->value(index) : 0.0;
}

double AmpInstance::hostValue(int index, double value) const {
    if (!isControl(index)) return std::nan("");
    return runtime::takeHostValue(amp->control(index), value, runtime::RangeRule::Clamp);
}

bool AmpInstance::setControl(int index, double value) {
    // The value held given back (a state may hold one between the steps)
    // is no change.
    if (isControl(index) && value == amp->value(index)) return false;
    const double taken = hostValue(index, value);
    if (std::isnan(taken)) return false;
    return amp->store(index, taken);
}

double AmpInstance::plainValue(int index, double normalized) const {
    if (!isControl(index)) return std::nan("");
    return runtime::plainValue(amp->control(index), normalized, runtime::RangeRule::Clamp);
}

double AmpInstance::normalizedValue(int index, double plain) const {
    return isControl(index) ? runtime::normalizedValue(amp->control(index), plain) : 0.0;
}

uint32_t AmpInstance::hostChanges(int index) const {
    return isControl(index) ? amp->hostChanges(index) : 0;
}

double AmpInstance::lastHostValue(int index) const {
    return isControl(index) ? amp->lastHostValue(index) : 0.0;
}

void AmpInstance::formatControl(double value, char* text, size_t capacity) {
    if (text == nullptr || capacity == 0) return;
    const std::string shown = runtime::displayText(value, 0.0, 0.0, {});
    const size_t length = std::min(shown.size(), capacity - 1);
    std::memcpy(text, shown.data(), length);
    text[length] = '\0';
}

bool AmpInstance::parseControl(const char* text, double& value) {
    if (text == nullptr) return false;
    while (isBlank(*text))
        ++text;
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(text, &end);
    if (end == text || errno == ERANGE || !std::isfinite(parsed)) return false;
    while (isBlank(*end))
        ++end;
    if (*end != '\0') return false;
    value = parsed;
    return true;
}

std::array<uint8_t, AmpInstance::kStateBytes> AmpInstance::saveState() {
    std::array<uint8_t, kStateBytes> bytes{};
    const std::vector<uint8_t> saved = amp->saveState();
    std::memcpy(bytes.data(), saved.data(), std::min(kStateBytes, saved.size()));
    return bytes;
}

bool AmpInstance::stateControls(const uint8_t* bytes, size_t size, ControlValues& controls) const {
    return amp->loadedValues(bytes, size, kStateBytes, controls);
}

void AmpInstance::setControls(const ControlValues& values) {
    for (int i = 0; i < kControlCount; ++i)
        amp->storeLoaded(i, values[static_cast<size_t>(i)]);
}

bool AmpInstance::loadState(const uint8_t* bytes, size_t size) {
    return amp->loadState(bytes, size, runtime::StateCheck::Strict);
}

double AmpInstance::meterGain(int band) const {
    return band >= 0 && band < kMeterCount ? amp->meterGain(band) : 0.0;
}

double AmpInstance::clipFlag() const {
    return amp->clipFlag();
}

double AmpInstance::takeClipFlag() {
    return amp->takeClipFlag();
}

void AmpInstance::showMeters(int band, double gain) {
    if (band >= 0 && band < kMeterCount && std::isfinite(gain)) amp->showMeter(band, gain);
}

void AmpInstance::showLamp(double level) {
    if (std::isfinite(level)) amp->showLamp(std::clamp(level, 0.0, 1.0));
}

} // namespace gravelo::instance
