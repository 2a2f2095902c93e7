// A host's block cut at each control change, so that every change takes
// effect at its own frame: the frames before it are processed with the
// values held so far, then the change is set by the control rule
// (AmpInstance::setControl), and so on to the block's end. Every format
// whose host sends timed changes inside a block (CLAP events, VST 3
// parameter queues) runs its audio through here. Audio thread: no
// allocation, no lock.
#pragma once

#include "instance/AmpInstance.h"

#include <algorithm>
#include <cstdint>

namespace gravelo::instance {

// One change a format read from its host: the control, its value in the
// panel's units and the frame it applies at.
struct ControlChange {
    int control = 0;
    double value = 0.0;
    uint32_t frame = 0;
};

// Processes `frames` frames of in to out (null outputs: changes only),
// taking changes from `next(change)` in time order until it answers false.
// A change out of order, or past the block's end, applies where the block
// has got to.
template <class Sample, class NextChange>
void processInPieces(AmpInstance& amp, Sample* const in[2], Sample* const out[2], uint32_t frames,
                     NextChange&& next) {
    const bool haveAudio = out != nullptr && out[0] != nullptr && out[1] != nullptr;
    auto run = [&](uint32_t from, uint32_t to) {
        if (!haveAudio || to <= from) return;
        const Sample* const inputs[2] = {in[0] + from, in[1] + from};
        Sample* const outputs[2] = {out[0] + from, out[1] + from};
        amp.process(inputs, outputs, to - from);
    };
    uint32_t done = 0;
    ControlChange change;
    while (next(change)) {
        const uint32_t at = std::clamp(change.frame, done, frames);
        run(done, at);
        done = at;
        amp.setControl(change.control, change.value);
    }
    run(done, frames);
}

} // namespace gravelo::instance
