// The audio side: one input bus and one output bus, each stereo or mono,
// the state diagram's setup and activation, and process, which cuts the
// host's block at each parameter point (instance/BlockSplit.h) so a change
// takes effect at its own frame, in 32- or 64-bit samples.
#include "instance/BlockSplit.h"
#include "vst3/Vst3Amp.h"
#include "vst3/Vst3Strings.h"

#include <algorithm>
#include <cmath>

namespace gravelo::vst3 {

using namespace gravelo::vst3::api;

namespace {

bool isAudioBus(MediaType type, BusDirection direction, int32_t index) {
    return type == kAudio && (direction == kInput || direction == kOutput) && index == 0;
}

// The channels of a bus in one of our arrangements; 0 for any other. A
// single left speaker is mono too: some hosts build a one-channel bus that
// way rather than as kMono.
int32_t channelCount(SpeakerArrangement arrangement) {
    if (arrangement == kStereo) return 2;
    return arrangement == kMono || arrangement == kSpeakerL ? 1 : 0;
}

// The amplifier reads one input channel and writes its one result to every
// output channel, so mono in suits either output. Stereo in to mono out is
// left out: its right channel would vanish where a host expects a mix.
bool supportedLayout(SpeakerArrangement input, SpeakerArrangement output) {
    const int32_t ins = channelCount(input), outs = channelCount(output);
    return ins > 0 && outs > 0 && ins <= outs;
}

// The parameter queues of one block, read in time order across parameters
// without allocating: one cursor per queue of a known control.
class PointReader {
  public:
    PointReader(const Vst3Amp& owner, IParameterChanges* changes) : amp(owner) {
        const int32_t count = changes != nullptr ? changes->getParameterCount() : 0;
        for (int32_t i = 0; i < count && used < instance::AmpInstance::kControlCount; ++i) {
            IParamValueQueue* queue = changes->getParameterData(i);
            if (queue == nullptr) continue;
            const ParamID id = queue->getParameterId();
            if (!instance::AmpInstance::isControl(static_cast<int>(id))) continue;
            cursors[used++] = {queue, static_cast<int>(id), queue->getPointCount(), 0};
        }
    }

    // The earliest point not taken yet, as a change in panel units.
    bool operator()(instance::ControlChange& change) {
        Cursor* first = nullptr;
        int32_t firstOffset = 0;
        double firstValue = 0.0;
        for (int k = 0; k < used; ++k) {
            Cursor& c = cursors[k];
            int32_t offset = 0;
            double value = 0.0;
            while (c.next < c.count && c.queue->getPoint(c.next, &offset, &value) != kResultOk)
                ++c.next; // a point the host cannot give is skipped
            if (c.next >= c.count) continue;
            if (first == nullptr || offset < firstOffset) {
                first = &c;
                firstOffset = offset;
                firstValue = value;
            }
        }
        if (first == nullptr) return false;
        ++first->next;
        change.control = first->control;
        change.value = amp.plainOf(first->control, firstValue);
        change.frame = static_cast<uint32_t>(std::max(firstOffset, 0));
        return true;
    }

  private:
    struct Cursor {
        IParamValueQueue* queue;
        int control;
        int32_t count;
        int32_t next;
    };
    const Vst3Amp& amp;
    Cursor cursors[instance::AmpInstance::kControlCount] = {};
    int used = 0;
};

// The channel pointers of the first bus of one side: its first two channels,
// the one channel twice on a mono bus; false when absent.
template <class Sample> Sample** channelArray(const AudioBusBuffers& bus);
template <> float** channelArray<float>(const AudioBusBuffers& bus) {
    return bus.channelBuffers32;
}
template <> double** channelArray<double>(const AudioBusBuffers& bus) {
    return bus.channelBuffers64;
}

template <class Sample>
bool channelsOf(const AudioBusBuffers* buses, int32_t count, Sample* channels[2]) {
    if (buses == nullptr || count < 1 || buses[0].numChannels < 1) return false;
    Sample** array = channelArray<Sample>(buses[0]);
    if (array == nullptr) return false;
    channels[0] = array[0];
    channels[1] = buses[0].numChannels > 1 ? array[1] : array[0];
    return channels[0] != nullptr && channels[1] != nullptr;
}

// One block in the precision the host chose. `silence` is zeros the
// amplifier reads instead of an input the host flags silent.
template <class Sample>
void processBlock(Vst3Amp& self, const ProcessData& data, const std::vector<Sample>& silence) {
    const uint32_t frames = data.numSamples > 0 ? static_cast<uint32_t>(data.numSamples) : 0;
    Sample* out[2] = {};
    Sample* in[2] = {};
    const bool haveOutput = frames > 0 && channelsOf(data.outputs, data.numOutputs, out);
    if (haveOutput) {
        const bool haveInput = channelsOf(data.inputs, data.numInputs, in);
        const bool leftSilent = haveInput && (data.inputs[0].silenceFlags & 1u) != 0;
        if (!haveInput || (leftSilent && silence.size() >= frames)) {
            // Only the left input is read: silence there is silence in.
            Sample* zeros = const_cast<Sample*>(silence.data());
            if (silence.size() < frames) {
                std::fill(out[0], out[0] + frames, Sample(0));
                std::fill(out[1], out[1] + frames, Sample(0));
                zeros = out[0];
            }
            in[0] = in[1] = zeros;
        }
    }
    PointReader points(self, data.inputParameterChanges);
    instance::processInPieces(self.amp, in, haveOutput ? out : nullptr, frames, points);
    // The amplifier's output is never known to be silent without looking
    // at every sample; no flag claims it is.
    if (haveOutput) data.outputs[0].silenceFlags = 0;
}

} // namespace

tresult VST3_API Vst3Amp::getControllerClassId(char /*classId*/[16]) {
    return kResultFalse; // the controller is this object
}

tresult VST3_API Vst3Amp::setIoMode(int32_t /*mode*/) {
    return kResultOk;
}

int32_t VST3_API Vst3Amp::getBusCount(MediaType type, BusDirection direction) {
    return isAudioBus(type, direction, 0) ? 1 : 0;
}

tresult VST3_API Vst3Amp::getBusInfo(MediaType type, BusDirection direction, int32_t index,
                                     BusInfo* bus) {
    if (!isAudioBus(type, direction, index) || bus == nullptr) return kInvalidArgument;
    *bus = BusInfo{};
    bus->mediaType = kAudio;
    bus->direction = direction;
    bus->channelCount =
        channelCount(direction == kInput ? inputArrangement.load() : outputArrangement.load());
    copyText(direction == kInput ? "Input" : "Output", bus->name);
    bus->busType = kMain;
    bus->flags = kDefaultActive;
    return kResultOk;
}

tresult VST3_API Vst3Amp::getRoutingInfo(RoutingInfo*, RoutingInfo*) {
    return kNotImplemented;
}

// Nothing to do: the buffers a host passes are processed whatever it
// activated (an input without buffers reads as silence).
tresult VST3_API Vst3Amp::activateBus(MediaType type, BusDirection direction, int32_t index,
                                      TBool /*state*/) {
    return isAudioBus(type, direction, index) ? kResultOk : kInvalidArgument;
}

// One bus each way in a supported layout (supportedLayout), taken only
// while inactive: while active, only the layout in place is accepted, so
// nothing changes under the running amplifier. Any other request leaves
// stereo both ways when inactive. Cheap and lock-free: some hosts call it
// from their audio thread while processing.
tresult VST3_API Vst3Amp::setBusArrangements(SpeakerArrangement* inputs, int32_t inputCount,
                                             SpeakerArrangement* outputs, int32_t outputCount) {
    const bool one = inputCount == 1 && outputCount == 1 && inputs != nullptr && outputs != nullptr;
    const bool supported = one && supportedLayout(inputs[0], outputs[0]);
    if (amp.active()) {
        const bool inPlace = supported && inputs[0] == inputArrangement.load() &&
                             outputs[0] == outputArrangement.load();
        return inPlace ? kResultTrue : kResultFalse;
    }
    inputArrangement.store(supported ? inputs[0] : kStereo);
    outputArrangement.store(supported ? outputs[0] : kStereo);
    return supported ? kResultTrue : kResultFalse;
}

tresult VST3_API Vst3Amp::getBusArrangement(BusDirection direction, int32_t index,
                                            SpeakerArrangement* arrangement) {
    if ((direction != kInput && direction != kOutput) || index != 0 || arrangement == nullptr)
        return kInvalidArgument;
    *arrangement = direction == kInput ? inputArrangement.load() : outputArrangement.load();
    return kResultOk;
}

tresult VST3_API Vst3Amp::canProcessSampleSize(int32_t symbolicSampleSize) {
    return symbolicSampleSize == kSample32 || symbolicSampleSize == kSample64 ? kResultTrue
                                                                              : kResultFalse;
}

// Taken while inactive; while active it waits for the next activation.
tresult VST3_API Vst3Amp::setupProcessing(ProcessSetup* setup) {
    if (!initialized) return kNotInitialized;
    if (setup == nullptr || setup->maxSamplesPerBlock <= 0 ||
        !instance::AmpInstance::acceptsSampleRate(setup->sampleRate) ||
        canProcessSampleSize(setup->symbolicSampleSize) != kResultTrue)
        return kInvalidArgument;
    sampleSize = setup->symbolicSampleSize;
    setupRate = setup->sampleRate;
    setupMaxBlock = static_cast<uint32_t>(setup->maxSamplesPerBlock);
    setUp = true;
    return kResultOk;
}

tresult VST3_API Vst3Amp::setActive(TBool state) {
    if (state == 0) {
        amp.deactivate();
        return kResultOk;
    }
    if (!initialized || !setUp) return kNotInitialized;
    if (!amp.activate(setupRate, setupMaxBlock)) return kResultFalse;
    // Allocated here, never in process.
    silence32.assign(sampleSize == kSample32 ? setupMaxBlock : 0, 0.0f);
    silence64.assign(sampleSize == kSample64 ? setupMaxBlock : 0, 0.0);
    return kResultOk;
}

// Processing starts from the state the activation left; some hosts never
// call this, and process runs all the same.
tresult VST3_API Vst3Amp::setProcessing(TBool state) {
    return state != 0 && !amp.active() ? kNotInitialized : kResultOk;
}

// The tail at the rate of the last setup; none before the first.
uint32_t VST3_API Vst3Amp::getTailSamples() {
    return setUp ? instance::AmpInstance::tailFrames(setupRate) : kNoTail;
}

// A call without audio (a flush) still takes the parameter points. Audio
// before activation, or in a precision the setup did not announce, is
// refused.
tresult VST3_API Vst3Amp::process(ProcessData* data) {
    if (data == nullptr) return kInvalidArgument;
    const bool audio = data->numSamples > 0 && data->numOutputs > 0 && data->outputs != nullptr;
    if (audio && !amp.active()) return kNotInitialized;
    if (data->symbolicSampleSize == kSample64)
        processBlock(*this, *data, silence64);
    else if (data->symbolicSampleSize == kSample32)
        processBlock(*this, *data, silence32);
    else
        return kInvalidArgument;
    return kResultOk;
}

} // namespace gravelo::vst3
