// The audio path of every shell: a host block through the runtime's sample
// slots, one doBlock per call, then the runtime's block form for two
// channels (the host's samples widened to doubles and narrowed back) or one
// doSample per frame. In place (outputs the same buffers as the inputs) is
// safe. Audio thread: no allocation, no locks.
#pragma once

#include <cstdint>

class TVobrix;

namespace gravelo::runtime {

// `channels` input and output buffers of `frames` samples each; channels
// beyond the runtime's sample slots are not carried. Single-precision
// outputs beyond float range are held at the loudest float.
void processAudio(TVobrix& runtime, float** inputs, float** outputs, int32_t frames,
                  int32_t channels);
void processAudio(TVobrix& runtime, double** inputs, double** outputs, int32_t frames,
                  int32_t channels);

} // namespace gravelo::runtime
