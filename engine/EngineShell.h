// The runtime's shell for the formats beside VST 2.x: two channels, the
// rate and block size the format's host activated the amplifier with, no
// transport. A panel side that shows the effect attaches itself for the
// repaints and the drawing surface; without one there is nothing to draw on.
#pragma once

#include "runtime/VeSTShell.h"

namespace engine {

// What a shown panel gives the shell (main thread).
class PanelSurface {
  public:
    // Marks the panel due for a repaint; false when no view is shown.
    virtual bool repaintPanel() = 0;
    // The drawing surface while a draw is in progress, else null.
    virtual VeSTDrawing* panelDrawing() = 0;

  protected:
    ~PanelSurface() = default;
};

class EngineShell final : public VeSTShell {
  public:
    explicit EngineShell(TVobrix& hosted) : runtime(hosted) {}

    TVobrix* hostedRuntime() override { return &runtime; }
    int32_t inputCount() override { return 2; }
    int32_t outputCount() override { return 2; }
    double currentSampleRate() override { return sampleRate; }
    int32_t currentBlockSize() override { return blockSize; }
    bool repaintEditor() override { return panel != nullptr && panel->repaintPanel(); }
    VeSTDrawing* drawing() override { return panel != nullptr ? panel->panelDrawing() : nullptr; }

    // Null detaches.
    void attach(PanelSurface* surface) { panel = surface; }

    double sampleRate = 0.0;
    int32_t blockSize = 0;

  private:
    TVobrix& runtime;
    PanelSurface* panel = nullptr;
};

} // namespace engine
