// The amplifier's panel: drawn whole every frame by the graphics hook, with
// knobs that are routines rather than widget objects. Each knob reads the
// mouse snapshot, follows a vertical drag from its press point (and, where
// the window that shows the panel asks for them, the wheel's notches), draws
// its film-strip frame and value label, and hands back its value for the
// slider.
// User-interface thread only.
#pragma once

#include "effect/panel/PanelLayout.h"
#include "runtime/EditorInput.h"

#include <array>
#include <cstddef>
#include <cstdint>

class AmpChain;
class TVobrix;

// Per-knob values kept between frames.
struct KnobState {
    double value = 0.0;        // the knob's copy of its slider
    double valueAtPress = 0.0; // the value in the last frame without a button
    double steps = 0.0;
    double frameOffset = 0.0;
    double resetValue = 0.0; // never set: Control-press resets to 0
};

using gravelo::panel_layout::KnobLayout;

class Panel {
  public:
    static constexpr int kKnobCount = static_cast<int>(gravelo::panel_layout::kKnobs.size());

    // Everything back to 0 (the effect's open hook), except how the knobs
    // take the mouse, which belongs to the window that shows the panel.
    void open() {
        const bool stepped = dragsFollowSteps, fine = fineControl;
        *this = Panel();
        dragsFollowSteps = stepped;
        fineControl = fine;
    }
    // A host that holds the control values snaps what it is given to the
    // slider's step; a panel shown by such a host drags in those steps too, so
    // the knob never shows a value the sound does not have. Off by default:
    // the knob then keeps its own finer steps.
    void followSliderSteps(bool follow) { dragsFollowSteps = follow; }
    // The wheel over a knob moves it one step of its control per notch (up
    // increases), and a drag with Shift held at the press moves a tenth as
    // far: what users of the newer formats' hosts expect of a knob. Off by
    // default: the VST 2.x panel ignores the wheel and Shift as it always did.
    void takeFineControl(bool take) { fineControl = take; }
    // The knobs take the slider values as they are, and count every host
    // change so far as seen (when the panel starts or is shown anew).
    void takeSliderValues(TVobrix& runtime);
    // The knobs whose sliders a host changed since the last look take the
    // host's value (drawControls starts with this).
    void takeHostChanges(TVobrix& runtime);

    // Background, knobs (writing their sliders), meters and limiter
    // indicator. The sound follows the sliders at the audio thread's next
    // block.
    void drawControls(TVobrix& runtime, AmpChain& amp);
    // The faint build label at the bottom left.
    void drawBuildLabel(TVobrix& runtime);

    // The knob's value after the mouse of this frame; knobWidget also draws it.
    double followMouse(TVobrix& runtime, const KnobLayout& layout, KnobState& knob);
    double knobWidget(TVobrix& runtime, const KnobLayout& layout, KnobState& knob);
    void levelMeter(TVobrix& runtime, double gain, double x, double y);
    void limitLed(TVobrix& runtime, double clipFlag);

    const KnobState& knob(int index) const { return knobs[static_cast<size_t>(index)]; }
    double ledLevel() const { return level; }

    // True when a frame now would draw exactly the picture the last one drew:
    // no control, host change, meter, clip or mouse moved since, and the lamp
    // is not fading. The panel is otherwise drawn whole every frame.
    bool wouldRepeatLastFrame(const TVobrix& runtime, const AmpChain& amp) const;

  private:
    // Everything a frame's picture depends on, as the frame leaves it.
    struct Inputs {
        std::array<double, kKnobCount> sliders{};
        std::array<uint32_t, kKnobCount> hostChanges{};
        std::array<double, gravelo::dsp::kBandCount> meterGains{};
        double clipFlag = 0.0;
        gravelo::runtime::MouseState mouse;
        bool releasePending = false;
        double wheelNotches = 0.0;
        bool operator==(const Inputs&) const = default;
    };
    Inputs inputs(const TVobrix& runtime, const AmpChain& amp) const;

    void useMouse(const gravelo::runtime::MouseState& mouse);
    void latchPressPoint();
    bool pressInside(const KnobLayout& layout) const;
    void turnWheel(TVobrix& runtime, double notches);

    double mouseButtons = 0.0, mouseX = 0.0, mouseY = 0.0; // the mouse state in use
    double downX = 0.0, downY = 0.0;   // where the runtime saw a button last go down
    double pressX = 0.0, pressY = 0.0; // latched from there; 0 means not latched
    bool dragsFollowSteps = false;
    bool fineControl = false;
    double level = 0.0; // limiter indicator, 0 to 1
    std::array<KnobState, kKnobCount> knobs{};
    std::array<uint32_t, kKnobCount> hostChangesSeen{};
    Inputs drawnFrom;
    bool drawn = false;
};
