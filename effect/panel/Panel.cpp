#include "effect/Panel.h"

#include "effect/AmpChain.h"
#include "runtime/EditorInput.h"
#include "runtime/HostParameters.h"
#include "runtime/Numeric.h"
#include "runtime/TVobrix.h"
#include "runtime/VeSTDrawingServices.h"

#include <algorithm>
#include <cmath>

using namespace gravelo::panel_layout;

namespace {

constexpr int32_t kBackgroundImage = 3;
constexpr int32_t kLedImage = 2;
constexpr double kControlBit = 4.0;
constexpr double kLabelSlot = 190000.0;
constexpr double kPanelFontIndex = 1.0;
constexpr double kShiftBit = 8.0;
constexpr double kFineDragSlowdown = 10.0;

void setColour(TVobrix& runtime, double red, double green, double blue, double alpha) {
    runtime.colour = DrawColour{red, green, blue, alpha};
}

// Memory cells 0 to 5 describe the blit: source x, y, width, height, then
// destination x, y; cells 6 and 7 repeat the size.
void blit(TVobrix& runtime, double image, double sourceX, double sourceY, double width,
          double height, double x, double y) {
    const double cells[8] = {sourceX, sourceY, width, height, x, y, width, height};
    for (int k = 0; k < 8; ++k)
        runtime.mem(k) = cells[k];
    runtime.blitRegion(image, 0.0);
}

double labelFormat(double sens) {
    if (sens < 0.1) return 10005.0;
    if (sens < 1.0) return 10004.0;
    return 10003.0;
}

bool hasControl(double buttons) {
    return (gravelo::runtime::toIndex(buttons) & static_cast<int>(kControlBit)) != 0;
}

bool hasShift(double buttons) {
    return (gravelo::runtime::toIndex(buttons) & static_cast<int>(kShiftBit)) != 0;
}

bool inside(const KnobLayout& k, double x, double y) {
    return k.x < x && x < k.x + k.size && k.y < y && y < k.y + k.size;
}

} // namespace

void Panel::takeSliderValues(TVobrix& runtime) {
    for (size_t i = 0; i < kKnobs.size(); ++i) {
        hostChangesSeen[i] = runtime.hostChanges.count(static_cast<size_t>(kKnobs[i].slider));
        knobs[i].value = runtime.sliderValues[kKnobs[i].slider];
    }
}

// A host's change reaches its knob before the knob draws, or the knob would
// write its old value back. One that arrived while the last frame drew was
// written over by the knob's older value, so the host's value is put back.
void Panel::takeHostChanges(TVobrix& runtime) {
    for (size_t i = 0; i < kKnobs.size(); ++i) {
        const size_t slider = static_cast<size_t>(kKnobs[i].slider);
        const uint32_t count = runtime.hostChanges.count(slider);
        if (count == hostChangesSeen[i]) continue;
        hostChangesSeen[i] = count;
        runtime.sliderValues[slider] = runtime.hostChanges.value(slider);
        knobs[i].value = runtime.sliderValues[slider];
    }
}

void Panel::useMouse(const gravelo::runtime::MouseState& mouse) {
    mouseButtons = mouse.buttons;
    mouseX = mouse.x;
    mouseY = mouse.y;
    downX = mouse.pressX;
    downY = mouse.pressY;
    latchPressPoint();
}

void Panel::latchPressPoint() {
    if (mouseButtons == 0.0) {
        pressX = pressY = 0.0;
        return;
    }
    // The press itself, not the pointer of this frame: it may have moved
    // since the button went down.
    if (pressX == 0.0) pressX = downX;
    if (pressY == 0.0) pressY = downY;
}

bool Panel::pressInside(const KnobLayout& k) const {
    return inside(k, pressX, pressY);
}

// Not while a button is held: the drag owns the knob until its release.
void Panel::turnWheel(TVobrix& runtime, double notches) {
    if (!fineControl || notches == 0.0 || mouseButtons != 0.0) return;
    for (size_t i = 0; i < kKnobs.size(); ++i) {
        const KnobLayout& k = kKnobs[i];
        if (!inside(k, mouseX, mouseY)) continue;
        const double step = runtime.sliderInfos[static_cast<size_t>(k.slider - 1)].step;
        const double turned = gravelo::runtime::snapToStep(knobs[i].value + notches * step, step);
        knobs[i].value = std::clamp(turned, k.minimum, k.maximum);
    }
}

void Panel::drawControls(TVobrix& runtime, AmpChain& amp) {
    takeHostChanges(runtime);
    const gravelo::runtime::MouseFrame frame = gravelo::runtime::takeMouseFrame(runtime);
    // The states this frame would otherwise miss (a release since the last
    // one): the knobs follow them, undrawn, before the mouse as it is now.
    for (int s = 0; s + 1 < frame.count; ++s) {
        useMouse(frame.states[s]);
        for (size_t i = 0; i < kKnobs.size(); ++i)
            followMouse(runtime, kKnobs[i], knobs[i]);
    }
    useMouse(frame.states[frame.count - 1]);
    turnWheel(runtime, gravelo::runtime::takeWheelNotches(runtime));
    setColour(runtime, 0, 0, 0, 1);
    runtime.penX = runtime.penY = 0.0;
    runtime.selectFont(kPanelFontIndex, runtime.stringAt(10002), 11.9, 1);
    runtime.textHeight = 14.0;

    const ImageSlot& background = runtime.image(kBackgroundImage);
    blit(runtime, kBackgroundImage, 0, 0, background.width, background.height, runtime.penX,
         runtime.penY);

    for (size_t i = 0; i < kKnobs.size(); ++i)
        runtime.sliderValues[kKnobs[i].slider] = knobWidget(runtime, kKnobs[i], knobs[i]);
    for (int band = 0; band < gravelo::dsp::kBandCount; ++band)
        levelMeter(runtime, amp.displayedGain(band), kMeters[band].x, kMeters[band].y);
    limitLed(runtime, amp.takeClipFlag());
    drawnFrom = inputs(runtime, amp);
    drawn = true;
}

Panel::Inputs Panel::inputs(const TVobrix& runtime, const AmpChain& amp) const {
    Inputs now;
    for (size_t i = 0; i < kKnobs.size(); ++i) {
        const auto slider = static_cast<size_t>(kKnobs[i].slider);
        now.sliders[i] = runtime.sliderValues[slider];
        now.hostChanges[i] = runtime.hostChanges.count(slider);
    }
    for (int band = 0; band < gravelo::dsp::kBandCount; ++band)
        now.meterGains[static_cast<size_t>(band)] = amp.displayedGain(band);
    now.clipFlag = amp.clipFlag();
    now.mouse = gravelo::runtime::currentMouse(runtime);
    now.releasePending = gravelo::runtime::releasePending(runtime);
    now.wheelNotches = runtime.wheelNotches;
    return now;
}

bool Panel::wouldRepeatLastFrame(const TVobrix& runtime, const AmpChain& amp) const {
    return drawn && level == 0.0 && inputs(runtime, amp) == drawnFrom;
}

void Panel::drawBuildLabel(TVobrix& runtime) {
    runtime.penX = kBuildLabelX;
    runtime.penY = kBuildLabelY;
    setColour(runtime, 1, 1, 1, 0.3);
    runtime.selectFont(kPanelFontIndex, runtime.stringAt(10006), 9.35, 0);
    runtime.textHeight = 11.0;
    runtime.drawStringSlot(10000.0);
}

double Panel::followMouse(TVobrix& runtime, const KnobLayout& k, KnobState& knob) {
    knob.steps = (k.maximum - k.minimum) / k.sens;
    if (mouseButtons == 0.0) knob.valueAtPress = knob.value;
    double value = knob.value;
    if (pressInside(k)) {
        // Only the way travelled since the press counts: where the frames
        // before it saw the pointer does not.
        double divisor = knob.steps < 50.0 ? 100.0 / knob.steps : 1.0;
        if (fineControl && hasShift(mouseButtons)) divisor *= kFineDragSlowdown;
        value = knob.valueAtPress - k.sens * (mouseY - pressY) / divisor;
        if (hasControl(mouseButtons)) value = knob.resetValue;
        if (dragsFollowSteps)
            value = gravelo::runtime::snapToStep(
                value, runtime.sliderInfos[static_cast<size_t>(k.slider - 1)].step);
    }
    // A value from a chunk may be anything; the knob keeps it within its range.
    if (!(value >= k.minimum)) value = k.minimum;
    if (value > k.maximum) value = k.maximum;
    knob.value = value;
    return value;
}

double Panel::knobWidget(TVobrix& runtime, const KnobLayout& k, KnobState& knob) {
    const double value = followMouse(runtime, k, knob);

    const double lastFrame = (k.frames - 1) * k.size;
    knob.frameOffset = std::min(
        std::floor((value - k.minimum) * (k.frames / knob.steps) / k.sens) * k.size, lastFrame);
    setColour(runtime, 0.8, 0.8, 0.8, 1);
    blit(runtime, k.image, 0, knob.frameOffset, k.size, k.size, k.x, k.y);

    runtime.formatString(kLabelSlot, labelFormat(k.sens), value);
    const std::string& label = runtime.stringAt(kLabelSlot);
    const double textWidth = VeSTGetStringWidth(runtime.shell, label.c_str());
    runtime.penX = k.x + k.size * 0.5 - textWidth * 0.5;
    runtime.penY = k.y + 5 + k.size - runtime.textHeight * 0.125 - 2;
    runtime.setTextColour(1.0);
    runtime.drawText(runtime.stringAt(kLabelSlot));
    return value;
}

void Panel::levelMeter(TVobrix& runtime, double gain, double x, double y) {
    // A gain that is not a number shows as unity rather than drawing nowhere.
    double a = std::isfinite(gain) ? std::clamp(gain, 0.1, 10.0) : 1.0;
    const double r = a >= 1.0 ? a : 1.0 / a;
    const double red = std::min(1.0, r / 4.0);
    setColour(runtime, red, 1.0 - red, 0.0, 0.7);
    const double length = std::ceil(100.0 + 43.3 * std::log(a));
    runtime.penX = x + 101;
    runtime.penY = y + 2;
    runtime.rectTo(x + length, y + 8);
    setColour(runtime, 0.5, 0.5, 0.5, 1);
    runtime.penX = x + 100;
    runtime.penY = y;
    runtime.rectTo(x + 101, y + 10);
}

void Panel::limitLed(TVobrix& runtime, double clipFlag) {
    level = std::max(level - kLampFadePerFrame, std::min(clipFlag, 1.0));
    setColour(runtime, 1, 1, 1, 1);
    blit(runtime, kLedImage, 0, std::ceil(level * 9) * kLampSize, kLampSize, kLampSize, kLampX,
         kLampY);
}
