// Slider values by slider number, in the slider's own units.
#pragma once

#include "CVobrixVeST.h"
#include "HostChanges.h"
#include "SharedValue.h"

#include <array>
#include <cstddef>

class CVobrixSliders : public CVobrixVeST {
  public:
    static constexpr int kSliderCount = 128;

    virtual ~CVobrixSliders() = default;

    // Slider hook: after a host moved a value (a parameter, a state, a
    // resume). Runs on whichever thread the host used.
    virtual void doSlider() {}

    // The effect's own code reads sliders by a double number: low 7 bits of toIndex.
    SharedValue& slider(double number);

    // Written by the host thread, read by the audio and editor threads.
    std::array<SharedValue, kSliderCount> sliderValues{};
    // The host's changes among the first sliders, where an effect's controls
    // are (the control rule and state loads note them; others go unnoted).
    static constexpr size_t kNotedSliders = 16;
    HostChanges<kNotedSliders> hostChanges;
};
