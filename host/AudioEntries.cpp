#include "AudioEntries.h"

#include "CVeST.h"
#include "VeSTServices.h"
#include "runtime/TVobrix.h"

#include <algorithm>

namespace audioEntries {

namespace {

// Every input sample of a frame is read before any output sample of it is
// written, so hosts may process in place.
template <class Sample>
void runFrames(TVobrix& runtime, Sample** inputs, Sample** outputs, VstInt32 frames, VstInt32 channels) {
    auto& slots = runtime.samples;
    if (channels == 2) {
        for (VstInt32 j = 0; j < frames; ++j) {
            slots[0] = static_cast<double>(inputs[0][j]);
            slots[1] = static_cast<double>(inputs[1][j]);
            runtime.doSample();
            outputs[0][j] = static_cast<Sample>(slots[0]);
            outputs[1][j] = static_cast<Sample>(slots[1]);
        }
        return;
    }
    for (VstInt32 j = 0; j < frames; ++j) {
        for (VstInt32 k = channels - 1; k >= 0; --k) slots[static_cast<size_t>(k)] = static_cast<double>(inputs[k][j]);
        runtime.doSample();
        for (VstInt32 k = channels - 1; k >= 0; --k) outputs[k][j] = static_cast<Sample>(slots[static_cast<size_t>(k)]);
    }
}

template <class Sample> void process(CVeST* shell, Sample** inputs, Sample** outputs, VstInt32 frames) {
    TVobrix* runtime = shell != nullptr ? shell->runtime : nullptr;
    if (runtime == nullptr) return;
    // More channels than the runtime has sample slots cannot be carried.
    const VstInt32 channels = std::clamp(VeSTGetNumInputs(shell), 0, TVobrix::kSampleSlotCount);
    runtime->doBlock();
    if (frames <= 0 || inputs == nullptr || outputs == nullptr) return;
    runFrames(*runtime, inputs, outputs, frames, channels);
}

} // namespace

void processReplacing(CVeST* shell, float** inputs, float** outputs, VstInt32 frames) {
    process(shell, inputs, outputs, frames);
}

void processDoubleReplacing(CVeST* shell, double** inputs, double** outputs, VstInt32 frames) {
    process(shell, inputs, outputs, frames);
}

} // namespace audioEntries
