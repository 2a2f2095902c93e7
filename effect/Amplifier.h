// The amplifier as the plug-in formats beside VST 2.x see it: the effect
// behind one small face (controls, state, audio, meters, and the panel's
// drawing and mouse), so a format's instance never reaches into the effect's
// members. (The VST 2.x shell drives the same effect through the runtime's
// table of hooks instead.)
//
// Threads, as the instance documents them: [main] the host's main thread,
// [audio] the audio thread role, [any] either.
#pragma once

#include "effect/Controls.h"
#include "effect/dsp/Bands.h"
#include "runtime/SliderInfo.h"
#include "runtime/StateChunk.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class TVobrix;
class TVobrixEffect;
class VeSTShell;

namespace gravelo {

class Amplifier {
  public:
    static constexpr int kControlCount = gravelo::kControlCount;
    static constexpr int kMeterCount = dsp::kBandCount;

    // [main] Built and opened, with its controls at their defaults, asking
    // `shell` for what the runtime wants of a host (rate, repaints, drawing).
    explicit Amplifier(VeSTShell& shell);
    ~Amplifier();
    Amplifier(const Amplifier&) = delete;
    Amplifier& operator=(const Amplifier&) = delete;

    // [main] Processing starts at the shell's current rate as in a new
    // instance (the chain's open state, then the resume hook); stop ends it.
    void start();
    void stop();
    // [audio] The chain's history back to the open state; coefficients stay.
    void restart();

    // ---- controls: index 0..8 in the effect's order -------------------------
    const SliderInfo& control(int index) const;
    double value(int index) const;
    // [any] Stores a value the control rule took (runtime::takeHostValue);
    // true when the control moved. The sound follows at the next block.
    bool store(int index, double taken);
    // [any] How many times a host changed the control, and its last value.
    uint32_t hostChanges(int index) const;
    double lastHostValue(int index) const;

    // ---- state ---------------------------------------------------------------
    // [main] The saved chunk (empty when the effect saves nothing).
    std::vector<uint8_t> saveState();
    bool loadState(const void* data, size_t size, runtime::StateCheck check);
    // [any] What a strict load of the chunk would give controls 0..8
    // (runtime::loadedValues), and one of them stored as a load stores it.
    bool loadedValues(const void* data, size_t size, size_t expected,
                      std::span<double> values) const;
    bool storeLoaded(int index, double loaded);

    // ---- audio ---------------------------------------------------------------
    // [audio] One host block, channels in and out (out may be in).
    void process(float** inputs, float** outputs, int32_t frames, int32_t channels);
    void process(double** inputs, double** outputs, int32_t frames, int32_t channels);

    // ---- meters --------------------------------------------------------------
    double meterGain(int band) const;
    double clipFlag() const;
    double takeClipFlag();
    // [main] What an instance elsewhere reported, for a panel without audio.
    void showMeter(int band, double gain);
    void showLamp(double level);

    // ---- panel ---------------------------------------------------------------
    int panelWidth() const;
    int panelHeight() const;
    // [main] The panel is shown anew: its knobs start from the controls,
    // drag in the controls' steps, and take the wheel and Shift-drags.
    void showPanel();
    // [main] One frame of the panel, on the surface the shell lends now.
    void drawPanel();
    // [main] The runtime's idle hook (it asks the shell for repaints).
    void idlePanel();
    // [main] What the knob of control index shows.
    double knobValue(int index) const;
    void mouseDown(double x, double y, int32_t buttonState);
    void mouseUp(double x, double y);
    void mouseMoved(double x, double y);
    // [main] Vertical wheel notches at (x, y), up positive.
    void mouseWheel(double x, double y, double notches);
    // [main] A button is held, or a release waits for the panel's next frame.
    bool mouseHeld() const;

    // The runtime under the face, for the shell that hosts it (its
    // services find the runtime through the shell).
    TVobrix& runtime();

  private:
    int32_t sliderNumber(int index) const;

    std::unique_ptr<TVobrixEffect> effect;
};

} // namespace gravelo
