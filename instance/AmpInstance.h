// One amplifier for the plug-in formats beside VST 2.x (CLAP, LV2): owns the
// effect, runs it at the sample rate and block size a host activates it
// with, and offers its nine controls in the panel's own units, its audio
// path, its saved state and the values its meters show. No format's types
// appear here; a format's shell translates its host's calls into these.
//
// Threads. [main] the host's main (user-interface) thread; [audio] the audio
// thread role: one call at a time, which may run on any thread; [any] either,
// at the same time as the other. process() allocates nothing, takes no lock
// and makes no system call.
//
// Controls. Index 0..8 in the effect's order (Quorvel, Output, Presence,
// Dirt, Bass, Middle, Treble, Depth, LFcut); values in the units the panel
// shows. A value set by a host is held to the control's range, snapped to
// its step (the multiples of the step counted from 0, half-way going up) and
// ignored when it moved by less than 0.00001: the rule the VST 2.x host
// parameters follow, so equal values give equal audio. NaN and infinities
// are refused. The sliders of the effect are the one store of these values.
//
// Audio. Each process() call is one block of the effect, as one VST 2.x
// processReplacing call is: the left input feeds the amplifier and both
// outputs carry the result. A shell that honours parameter events at their
// own frame splits the host's block there and calls process() per piece.
//
// State. The same 260 bytes as the VST 2.x chunk: the marker -1000.0, then
// sliders 1 to 64, as little-endian 32-bit floats.
#pragma once

#include "effect/Controls.h"
#include "effect/dsp/Bands.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace gravelo {
class Amplifier;
}

namespace gravelo::instance {

class InstanceShell;

struct ControlInfo {
    const char* name;
    const char* label; // the unit a VST 2.x host shows beside the value
    double minimum, maximum, defaultValue, step;
};

class AmpInstance {
  public:
    static constexpr int kControlCount = gravelo::kControlCount;
    static constexpr size_t kStateBytes = 260;
    static constexpr int kMeterCount = dsp::kBandCount;
    // Capacity of formatControl's text, NUL included, enough for any value.
    static constexpr size_t kTextCapacity = 32;

    // [main] The effect is built and opened; controls at their defaults;
    // inactive.
    AmpInstance();
    ~AmpInstance();
    AmpInstance(const AmpInstance&) = delete;
    AmpInstance& operator=(const AmpInstance&) = delete;

    // [main] Prepares processing at this rate for blocks of at most maxFrames,
    // from the state of a new instance with the same controls (whatever ran
    // before, at this or another rate, leaves no trace in the sound or the
    // meters). False, staying inactive, for a rate that is not finite and
    // positive (or above 1 MHz) or a maxFrames of 0.
    bool activate(double sampleRate, uint32_t maxFrames);
    // Whether activate() takes this rate, for formats that learn it earlier.
    static bool acceptsSampleRate(double sampleRate);
    // [main] Ends processing; activate() may follow with another rate.
    void deactivate();
    bool active() const { return isActive; }
    double sampleRate() const { return rate; }
    uint32_t maxFrames() const { return maxBlock; }

    // What the formats report of the amplifier's timing: no latency (nothing
    // looks ahead), and the frames the output rings on after the input went
    // silent, at a rate (0 for none): the longest the controls can make it
    // (the filters, the levelers' and the limiter's releases, the drive's
    // one-second mean square), with a margin. The instance's tests measure it.
    static constexpr uint32_t kLatencyFrames = 0;
    static uint32_t tailFrames(double sampleRate);

    // [audio] Back to the state a new instance with the same controls has
    // after activate(): filters, levelers, limiter, meters, the clip flag and
    // the noise generator's sequence. Controls and coefficients stay.
    void reset();

    // [audio] One block, two channels in and two out; the outputs may be the
    // inputs (in place). Does nothing while inactive; 0 frames is allowed.
    void process(const float* const inputs[2], float* const outputs[2], uint32_t frames);
    // The same in double precision (the VST 2.x double-precision path).
    void process(const double* const inputs[2], double* const outputs[2], uint32_t frames);

    // [any] Whether index names a control, and what it is (index must be one).
    static bool isControl(int index) { return index >= 0 && index < kControlCount; }
    const ControlInfo& controlInfo(int index) const { return infos[static_cast<size_t>(index)]; }
    // Whether the control's values are decibels (Quorvel and Output).
    static constexpr bool controlIsDecibels(int index) {
        return gravelo::kControls[static_cast<size_t>(index)].isDecibels();
    }
    // [any] The value the control holds now; 0 for an index that is none.
    double control(int index) const;
    // [any] Sets a control from a host by the rule above. True when the value
    // was taken (in range, snapped) and differs from the one held before;
    // the value held given back changes nothing.
    // The audio follows at the start of the next process() call.
    bool setControl(int index, double value);
    // The value setControl would store for `value`; NaN when it refuses it.
    double hostValue(int index, double value) const;
    // [any] A host's normalised value (0..1 over the range) as the control
    // takes it (NaN when refused), and a value normalised over the range:
    // the one pair of runtime/HostParameters, for the formats that speak
    // normalised values.
    double plainValue(int index, double normalized) const;
    double normalizedValue(int index, double plain) const;
    // [any] How many times a host changed control index (setControl, a
    // state load), and the value it gave last; the panel's knobs follow them
    // at their next frame, and a shell that reports the panel's changes
    // compares them to leave the host's out.
    uint32_t hostChanges(int index) const;
    double lastHostValue(int index) const;

    // The display text of a value ("%.2f", as the VST 2.x shows it), NUL
    // terminated within capacity; and its reverse, which reads what
    // formatControl writes and bare numbers (leading and trailing blanks
    // allowed). False for text that is no number or not finite.
    static void formatControl(double value, char* text, size_t capacity);
    static bool parseControl(const char* text, double& value);

    // [main] The state as the 260-byte chunk.
    std::array<uint8_t, kStateBytes> saveState();
    // [main] Loads a saved state. False, changing nothing, unless size is
    // 260, the marker is there and every value is finite with controls 0..8
    // inside their ranges. May run while process() runs on the audio thread.
    bool loadState(const uint8_t* bytes, size_t size);
    // [any] The control values loading a saved state gives (the state rule,
    // runtime::loadState's), checked as loadState checks it; false, leaving
    // `values` alone, for a state it refuses. The amplifier's sound is its
    // controls, so setting these values sounds as loading the state does: a
    // shell that must switch states on the audio thread (which loadState
    // may not run on) reads them here beforehand.
    using ControlValues = std::array<double, kControlCount>;
    bool stateControls(const uint8_t* bytes, size_t size, ControlValues& values) const;
    // [any] Each control set exactly to a value stateControls or hostValue
    // gave (a NaN is skipped), as a state load sets it.
    void setControls(const ControlValues& values);

    // [any] What the panel shows: each band leveler's gain (band 0..3) and
    // whether the limiter clipped since the panel last took the flag.
    double meterGain(int band) const;
    double clipFlag() const;
    // [audio] The clip flag, cleared in the same step, for a shell that
    // hands it on to a panel elsewhere.
    double takeClipFlag();
    // [main] For a panel whose audio runs elsewhere (an LV2 UI): the band
    // gains and the limiter lamp (0..1) the audio side reported.
    void showMeters(int band, double gain);
    void showLamp(double level);

    // [main] The effect itself and what it asks of its host, for the panel
    // side (the instance's GUI target).
    Amplifier& amplifier() { return *amp; }
    InstanceShell& host() { return *shell; }

  private:
    // What the runtime asks of its host (rate, block size, no transport,
    // the panel it repaints) comes from a shell of its own, which outlives
    // the amplifier.
    std::unique_ptr<InstanceShell> shell;
    std::unique_ptr<Amplifier> amp;
    std::array<ControlInfo, kControlCount> infos{};
    bool isActive = false;
    double rate = 0.0;
    uint32_t maxBlock = 0;
};

} // namespace gravelo::instance
