// The component's state is the amplifier's 260-byte chunk, read and written
// through host streams that may move fewer bytes per call than asked. Only a
// whole, valid chunk is taken (AmpInstance::loadState); anything else
// changes nothing. The controller's view of the state is the same object's.
#include "vst3/Vst3Amp.h"

#include <algorithm>
#include <array>

namespace gravelo::vst3 {

using namespace gravelo::vst3::api;
using instance::AmpInstance;

namespace {

// Reads up to `size` bytes, calling read until it is full or the stream
// gives no more; the count read.
size_t readUpTo(IBStream& stream, uint8_t* bytes, size_t size) {
    size_t got = 0;
    while (got < size) {
        int32_t moved = 0;
        const tresult result = stream.read(bytes + got, static_cast<int32_t>(size - got), &moved);
        if (moved > 0) got += std::min(static_cast<size_t>(moved), size - got);
        if (result != kResultOk || moved <= 0) break;
    }
    return got;
}

// Reads the chunk, and one byte more to learn whether the stream holds more
// than a chunk (a state that is too long is no state of ours). That byte is
// given back, so the stream stands where our own bytes end.
bool readChunk(IBStream* stream, std::array<uint8_t, AmpInstance::kStateBytes + 1>& bytes,
               size_t& size) {
    if (stream == nullptr) return false;
    size = readUpTo(*stream, bytes.data(), bytes.size());
    if (size == bytes.size()) stream->seek(-1, kIBSeekCur, nullptr);
    return true;
}

} // namespace

tresult Vst3Amp::loadChunk(IBStream* stream) {
    std::array<uint8_t, AmpInstance::kStateBytes + 1> bytes{};
    size_t size = 0;
    if (!readChunk(stream, bytes, size)) return kInvalidArgument;
    return amp.loadState(bytes.data(), size) ? kResultOk : kResultFalse;
}

tresult Vst3Amp::saveChunk(IBStream* stream) {
    if (stream == nullptr) return kInvalidArgument;
    const std::array<uint8_t, AmpInstance::kStateBytes> bytes = amp.saveState();
    size_t done = 0;
    while (done < bytes.size()) {
        int32_t moved = 0;
        const tresult result = stream->write(const_cast<uint8_t*>(bytes.data()) + done,
                                             static_cast<int32_t>(bytes.size() - done), &moved);
        if (result != kResultOk || moved <= 0) return kResultFalse;
        done += static_cast<size_t>(moved);
    }
    return kResultOk;
}

// The same chunk the component took (hosts pass it to both faces): loading
// it again changes nothing, and a bad one is refused the same way.
tresult VST3_API Vst3Amp::setComponentState(IBStream* stream) {
    return loadChunk(stream);
}

} // namespace gravelo::vst3
