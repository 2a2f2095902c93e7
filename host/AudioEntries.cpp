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

// The two-channel block form: pieces of the host block are widened into a
// small stack buffer, processed by the runtime in one call, and narrowed back.
// A piece's inputs are all read before its outputs are written, so in-place
// processing stays safe. Answers false, before writing any output, when the
// runtime has no block form.
constexpr VstInt32 kPieceFrames = 128;

template <class Sample>
bool runBlockForm(TVobrix& runtime, Sample** inputs, Sample** outputs, VstInt32 frames) {
    double left[kPieceFrames], right[kPieceFrames];
    double* const channels[2] = {left, right};
    for (VstInt32 done = 0; done < frames; done += kPieceFrames) {
        const VstInt32 n = std::min(kPieceFrames, frames - done);
        std::copy(inputs[0] + done, inputs[0] + done + n, left);
        std::copy(inputs[1] + done, inputs[1] + done + n, right);
        if (!runtime.processBlock(channels, 2, n)) return false;
        for (VstInt32 j = 0; j < n; ++j) {
            outputs[0][done + j] = static_cast<Sample>(left[j]);
            outputs[1][done + j] = static_cast<Sample>(right[j]);
        }
    }
    return true;
}

template <class Sample> void process(CVeST* shell, Sample** inputs, Sample** outputs, VstInt32 frames) {
    TVobrix* runtime = shell != nullptr ? shell->runtime : nullptr;
    if (runtime == nullptr) return;
    // More channels than the runtime has sample slots cannot be carried.
    const VstInt32 channels = std::clamp(VeSTGetNumInputs(shell), 0, TVobrix::kSampleSlotCount);
    runtime->doBlock();
    if (frames <= 0 || inputs == nullptr || outputs == nullptr) return;
    if (channels == 2 && runBlockForm(*runtime, inputs, outputs, frames)) return;
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
