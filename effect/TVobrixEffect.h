// The bass amplifier: nine controls, drive, four band levelers, tone
// sections and an output limiter, drawn on its own panel.
#pragma once

#include "AmpChain.h"
#include "Panel.h"
#include "effect/Identity.h"
#include "runtime/TVobrix.h"

class TVobrixEffect : public TVobrix {
  public:
    TVobrixEffect();
    ~TVobrixEffect() override = default;

    static constexpr uint32_t kUniqueId = gravelo::identity::kVst2UniqueId;
    static constexpr int kSliderCount = gravelo::kControlCount;

    // State: construction, open and the saved chunk (TVobrixEffect.cpp). A
    // host's change of a slider (a parameter, a chunk) reaches the knobs at
    // the panel's next frame and the sound at the next block, each on its own
    // thread, so the slider hook has nothing left to do.
    void doOpen() override;
    void doSerialize() override;

    // Sound (TVobrixEffectSound.cpp).
    void doInit() override;
    void doBlock() override;
    void doSample() override;
    bool processBlock(double* const* channels, int32_t count, int32_t frames) override;
    // The control update, on the audio thread at the start of each block:
    // derived values, control filters and leveler times from sliders 1 to 9,
    // designed in place when the sliders moved since the last design. Every
    // change (a host's, the panel's, a state's) takes this one way, with no
    // lock and no allocation; the chain runs on the new set from the block's
    // first sample.
    void controlUpdate();
    // Sliders 1 to 9 as they are now (index 0 is not used).
    gravelo::dsp::SliderValues controlSliders() const;

    // Panel (TVobrixEffectPanel.cpp).
    void doGraphics() override;
    void doIdle() override;

    AmpChain amp;
    Panel panel;
};
