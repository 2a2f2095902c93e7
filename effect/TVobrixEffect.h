// The bass amplifier: nine controls, drive, four band levelers, tone
// sections and an output limiter, drawn on its own panel.
#pragma once

#include "AmpChain.h"
#include "Panel.h"
#include "runtime/TVobrix.h"

class TVobrixEffect : public TVobrix {
  public:
    TVobrixEffect();
    ~TVobrixEffect() override = default;

    static constexpr uint32_t kUniqueId = 0x47525631; // 'GRV1'
    static constexpr int kSliderCount = 9;

    // State: construction, open and the saved chunk (TVobrixEffect.cpp).
    void doOpen() override;
    void doSerialize() override;
    // Copies the sliders to the knobs, then runs the control update.
    void doSlider() override;

    // Sound (TVobrixEffectSound.cpp).
    void doInit() override;
    void doBlock() override;
    void doSample() override;
    bool processBlock(double* const* channels, int32_t count, int32_t frames) override;
    // Derived values, control filters and leveler times from sliders 1 to 9.
    void controlUpdate();
    // What the control update derives from sliders 1 to 9 now.
    dsp::ControlValues controlValues() const;
    // Audio thread, after doBlock: the chain runs on the current sliders from
    // the next sample on, without a lock (hosts that change controls inside
    // a block apply each change between two runs of frames).
    void followSliders();
    // Set by a shell whose host changes sliders without running doSlider
    // (the formats beside VST 2.x): each doBlock then ends with followSliders.
    bool slidersFollowedPerBlock = false;

    // Panel (TVobrixEffectPanel.cpp).
    void doGraphics() override;

    AmpChain amp;
    Panel panel;
};
