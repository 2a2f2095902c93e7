// State chunks as a host restores them from a damaged or hostile project:
// setChunk with arbitrary bytes, then audio, then getChunk, whose answer
// must be a well-formed chunk that the plug-in takes back unchanged.
#include "support/FuzzHost.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr VstIntPtr kChunkBytes = 260;

std::vector<uint8_t> currentChunk(gravelo::fuzz::Instance& plugin, bool preset) {
    void* data = nullptr;
    const VstIntPtr size = plugin.dispatch(effGetChunk, preset ? 1 : 0, 0, &data);
    if (size != kChunkBytes || data == nullptr) std::abort();
    const auto* bytes = static_cast<const uint8_t*>(data);
    return {bytes, bytes + size};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A fresh instance each time, so every finding replays from its input alone.
    gravelo::fuzz::Instance plugin;
    gravelo::fuzz::ByteSource source(data, size);
    const uint8_t mode = source.byte();
    const bool preset = mode & 1;
    const int frames = 1 + (mode >> 1) % 96;

    // A copy the plug-in may read but that ends exactly where the input ends,
    // so a read past the declared size shows up under the address sanitizer.
    std::vector<uint8_t> chunk(source.current(), source.current() + source.remaining());
    plugin.dispatch(effSetChunk, preset ? 1 : 0, static_cast<VstIntPtr>(chunk.size()),
                    chunk.empty() ? nullptr : chunk.data());
    plugin.processAndCheck(frames, 0.5f);

    std::vector<uint8_t> saved = currentChunk(plugin, preset);
    if (plugin.dispatch(effSetChunk, preset ? 1 : 0, kChunkBytes, saved.data()) != kChunkBytes)
        std::abort();
    if (currentChunk(plugin, preset) != saved) std::abort();
    return 0;
}
