#include "effect/Amplifier.h"

#include "effect/TVobrixEffect.h"
#include "runtime/AudioPath.h"
#include "runtime/EditorInput.h"
#include "runtime/HostParameters.h"

#include <cstring>

namespace gravelo {

Amplifier::Amplifier(VeSTShell& shell) : effect(std::make_unique<TVobrixEffect>()) {
    effect->shell = &shell;
    effect->doOpen();
    // The init hook belongs to start() here (it needs the rate); a state
    // loaded before or between starts must not run it again.
    effect->initCount = 1;
}

Amplifier::~Amplifier() {
    effect->doClose();
    effect->shell = nullptr;
}

void Amplifier::start() {
    // As the open hook leaves the chain (nothing runs it on the audio thread
    // while stopped); the resume then designs for the shell's rate.
    effect->amp.open();
    effect->doResume();
}

void Amplifier::stop() {
    effect->doSuspend();
}

void Amplifier::restart() {
    effect->amp.restart();
}

const SliderInfo& Amplifier::control(int index) const {
    return effect->sliderInfos[static_cast<size_t>(index)];
}

int32_t Amplifier::sliderNumber(int index) const {
    return control(index).number;
}

double Amplifier::value(int index) const {
    return effect->sliderValues[static_cast<size_t>(sliderNumber(index))];
}

bool Amplifier::store(int index, double taken) {
    return runtime::storeHostValue(*effect, control(index), taken);
}

uint32_t Amplifier::hostChanges(int index) const {
    return effect->hostChanges.count(static_cast<size_t>(sliderNumber(index)));
}

double Amplifier::lastHostValue(int index) const {
    return effect->hostChanges.value(static_cast<size_t>(sliderNumber(index)));
}

std::vector<uint8_t> Amplifier::saveState() {
    void* data = nullptr;
    const int32_t size = effect->getState(&data, false);
    if (data == nullptr || size <= 0) return {};
    const auto* bytes = static_cast<const uint8_t*>(data);
    return {bytes, bytes + size};
}

bool Amplifier::loadState(const void* data, size_t size, runtime::StateCheck check) {
    return runtime::loadState(*effect, data, size, check);
}

bool Amplifier::loadedValues(const void* data, size_t size, size_t expected,
                             std::span<double> values) const {
    return runtime::loadedValues(*effect, data, size, expected, values);
}

bool Amplifier::storeLoaded(int index, double loaded) {
    return runtime::storeLoadedValue(*effect, control(index), loaded);
}

void Amplifier::process(float** inputs, float** outputs, int32_t frames, int32_t channels) {
    runtime::processAudio(*effect, inputs, outputs, frames, channels);
}

void Amplifier::process(double** inputs, double** outputs, int32_t frames, int32_t channels) {
    runtime::processAudio(*effect, inputs, outputs, frames, channels);
}

double Amplifier::meterGain(int band) const {
    return effect->amp.displayedGain(band);
}

double Amplifier::clipFlag() const {
    return effect->amp.clipFlag();
}

double Amplifier::takeClipFlag() {
    return effect->amp.takeClipFlag();
}

void Amplifier::showMeter(int band, double gain) {
    effect->amp.showReportedGain(band, gain);
}

void Amplifier::showLamp(double level) {
    effect->amp.showReportedClip(level);
}

int Amplifier::panelWidth() const {
    return effect->editorWidth;
}

int Amplifier::panelHeight() const {
    return effect->editorHeight;
}

void Amplifier::showPanel() {
    effect->panel.followSliderSteps(true);
    effect->panel.takeFineControl(true);
    effect->panel.takeSliderValues(*effect);
    // A host may show the panel before it first activates the instance,
    // which is where the redraw rate is set: the panel draws its frames,
    // and so takes the host's changes, from the start.
    gravelo::runtime::raiseRedrawRate(*effect);
}

void Amplifier::drawPanel() {
    effect->doGraphics();
}

void Amplifier::idlePanel() {
    effect->doIdle();
}

double Amplifier::knobValue(int index) const {
    return effect->panel.knob(index).value;
}

void Amplifier::mouseDown(double x, double y, int32_t buttonState) {
    runtime::mouseDown(*effect, x, y, buttonState);
}

void Amplifier::mouseUp(double x, double y) {
    runtime::mouseUp(*effect, x, y);
}

void Amplifier::mouseMoved(double x, double y) {
    runtime::mouseMoved(*effect, x, y);
}

void Amplifier::mouseWheel(double x, double y, double notches) {
    runtime::mouseWheel(*effect, x, y, notches);
}

TVobrix& Amplifier::runtime() {
    return *effect;
}

bool Amplifier::mouseHeld() const {
    return effect->mouseButtons != 0.0 || runtime::releasePending(*effect);
}

} // namespace gravelo
