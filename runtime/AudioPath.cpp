#include "AudioPath.h"

#include "AudioPiece.h"
#include "TVobrix.h"

#include <algorithm>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gravelo::runtime {

namespace {

// A double beyond float range would reach a single-precision host as an
// infinity; the loudest float is as far as an output may go.
constexpr double kLoudestFloat = std::numeric_limits<float>::max();

template <class Sample> Sample toHostSample(double x) {
    if constexpr (sizeof(Sample) == sizeof(double))
        return x;
    else
        return static_cast<Sample>(x > kLoudestFloat    ? kLoudestFloat
                                   : x < -kLoudestFloat ? -kLoudestFloat
                                                        : x);
}

// Every input sample of a frame is read before any output sample of it is
// written, so hosts may process in place.
template <class Sample>
void runFrames(TVobrix& runtime, Sample** inputs, Sample** outputs, int32_t frames,
               int32_t channels) {
    auto& slots = runtime.samples;
    if (channels == 2) {
        for (int32_t j = 0; j < frames; ++j) {
            slots[0] = static_cast<double>(inputs[0][j]);
            slots[1] = static_cast<double>(inputs[1][j]);
            runtime.doSample();
            outputs[0][j] = toHostSample<Sample>(slots[0]);
            outputs[1][j] = toHostSample<Sample>(slots[1]);
        }
        return;
    }
    for (int32_t j = 0; j < frames; ++j) {
        for (int32_t k = channels - 1; k >= 0; --k)
            slots[static_cast<size_t>(k)] = static_cast<double>(inputs[k][j]);
        runtime.doSample();
        for (int32_t k = channels - 1; k >= 0; --k)
            outputs[k][j] = toHostSample<Sample>(slots[static_cast<size_t>(k)]);
    }
}

// The two-channel block form: pieces of the host block are widened into a
// small stack buffer, processed by the runtime in one call, and narrowed back.
// A piece's inputs are all read before its outputs are written, so in-place
// processing stays safe. Answers false, before writing any output, when the
// runtime has no block form.
constexpr int32_t kPieceFrames = gravelo::runtime::kPieceFrames;

// Host samples to the runtime's doubles and back, one channel at a time
// (source and destination never overlap: one side is the stack piece), four
// samples per step so the compiler can convert them in vector registers. Each
// value is converted exactly as static_cast converts it alone.
using Float4 = float __attribute__((vector_size(16)));
using Double4 = double __attribute__((vector_size(32)));

template <class Sample> void widen(const Sample* __restrict in, double* __restrict out, int32_t n) {
    if constexpr (sizeof(Sample) == sizeof(double)) {
        std::copy(in, in + n, out);
    } else {
        int32_t j = 0;
        for (; j + 4 <= n; j += 4) {
            Float4 f;
            std::memcpy(&f, in + j, sizeof f);
            const Double4 d = __builtin_convertvector(f, Double4);
            std::memcpy(out + j, &d, sizeof d);
        }
        for (; j < n; ++j)
            out[j] = static_cast<double>(in[j]);
    }
}

template <class Sample>
void narrow(const double* __restrict in, Sample* __restrict out, int32_t n) {
    if constexpr (sizeof(Sample) == sizeof(double)) {
        std::copy(in, in + n, out);
    } else {
        int32_t j = 0;
#if defined(__SSE2__)
        // minpd (a < b ? a : b) and maxpd (a > b ? a : b) are exactly the
        // bounds of toHostSample, NaN passing through; the vector extension
        // form of the same selects compiles to a masked blend per element.
        const __m128d loudest = _mm_set1_pd(kLoudestFloat), quietest = _mm_set1_pd(-kLoudestFloat);
        for (; j + 4 <= n; j += 4) {
            const __m128d low = _mm_max_pd(quietest, _mm_min_pd(loudest, _mm_loadu_pd(in + j)));
            const __m128d high =
                _mm_max_pd(quietest, _mm_min_pd(loudest, _mm_loadu_pd(in + j + 2)));
            _mm_storeu_ps(out + j, _mm_movelh_ps(_mm_cvtpd_ps(low), _mm_cvtpd_ps(high)));
        }
#endif
        for (; j < n; ++j)
            out[j] = toHostSample<Sample>(in[j]);
    }
}

template <class Sample>
bool runBlockForm(TVobrix& runtime, Sample** inputs, Sample** outputs, int32_t frames) {
    double left[kPieceFrames], right[kPieceFrames];
    double* const channels[2] = {left, right};
    for (int32_t done = 0; done < frames; done += kPieceFrames) {
        const int32_t n = std::min(kPieceFrames, frames - done);
        widen(inputs[0] + done, left, n);
        widen(inputs[1] + done, right, n);
        if (!runtime.processBlock(channels, 2, n)) return false;
        narrow(left, outputs[0] + done, n);
        narrow(right, outputs[1] + done, n);
    }
    return true;
}

template <class Sample>
void process(TVobrix& runtime, Sample** inputs, Sample** outputs, int32_t frames,
             int32_t hostChannels) {
    // More channels than the runtime has sample slots cannot be carried.
    const int32_t channels = std::clamp(hostChannels, 0, TVobrix::kSampleSlotCount);
    runtime.doBlock();
    if (frames <= 0 || inputs == nullptr || outputs == nullptr) return;
    if (channels == 2 && runBlockForm(runtime, inputs, outputs, frames)) return;
    runFrames(runtime, inputs, outputs, frames, channels);
}

} // namespace

void processAudio(TVobrix& runtime, float** inputs, float** outputs, int32_t frames,
                  int32_t channels) {
    process(runtime, inputs, outputs, frames, channels);
}

void processAudio(TVobrix& runtime, double** inputs, double** outputs, int32_t frames,
                  int32_t channels) {
    process(runtime, inputs, outputs, frames, channels);
}

} // namespace gravelo::runtime
