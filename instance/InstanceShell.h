// What the runtime asks of its host, answered for the formats beside VST
// 2.x: two inputs and two outputs, the rate and block size of the last
// activation, no transport, and, while a panel window lends it one, a
// surface to draw on. A repaint request is noted for the panel's next tick.
#pragma once

#include "runtime/VeSTShell.h"

namespace gravelo::instance {

class InstanceShell final : public VeSTShell {
  public:
    // [main] The runtime this shell hosts, once it exists.
    void host(TVobrix& hosted) { runtime = &hosted; }

    void setRate(double sampleRate, int32_t blockSize) {
        rate = sampleRate;
        block = blockSize;
    }
    // [main] While non-null, the drawing services draw on `surface`.
    void lendDrawing(VeSTDrawing* surface) { lent = surface; }
    // [main] Whether the runtime asked for a repaint since the last call.
    bool takeRepaint();
    // [main] Whether a panel window shows the effect (repaints are wanted).
    void setPanelShown(bool shown) { panelShown = shown; }

    TVobrix* hostedRuntime() override;
    int32_t inputCount() override { return 2; }
    int32_t outputCount() override { return 2; }
    double currentSampleRate() override { return rate; }
    int32_t currentBlockSize() override { return block; }
    bool repaintEditor() override;
    bool editorSize(int32_t& width, int32_t& height) override;
    VeSTDrawing* drawing() override { return lent; }

  private:
    TVobrix* runtime = nullptr;
    double rate = 0.0;
    int32_t block = 0;
    VeSTDrawing* lent = nullptr;
    bool panelShown = false;
    bool repaintDue = false;
};

} // namespace gravelo::instance
