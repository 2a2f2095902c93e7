// One saved state, whatever its bytes, through every format's way in: the
// CLAP stream (any number of bytes per read), the LV2 state, the VST 2.x
// chunk. The strict formats must agree with each other (both take it or
// both refuse it and keep their state), a state they take must come back
// byte for byte, and the lenient VST 2.x chunk must load the same sound
// from anything they take.
#include "support/FormatRoutes.h"
#include "support/FuzzHost.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    gravelo::fuzz::ByteSource source(data, size);
    const uint8_t mode = source.byte();
    const size_t perCall = 1 + mode % 32;
    const bool lv2ChunkType = (mode & 0x80) == 0;
    const std::vector<uint8_t> chunk(source.current(), source.current() + source.remaining());

    gravelo::fuzz::ClapRoute clap;
    gravelo::fuzz::Lv2Route lv2;
    const std::vector<uint8_t> before = clap.save();
    const bool clapTook = clap.load(chunk, perCall);
    const bool lv2Took = lv2.restore(chunk, lv2ChunkType);
    const std::vector<uint8_t> afterClap = clap.save();
    const std::vector<uint8_t> afterLv2 = lv2.save();

    // An empty LV2 state holds no chunk: nothing to restore, and no error.
    const bool lv2Saw = !chunk.empty() && lv2ChunkType;
    if (lv2Saw && lv2Took != clapTook) std::abort();
    if (afterClap != (clapTook ? chunk : before)) std::abort();
    if (lv2Saw && afterLv2 != afterClap) std::abort();
    if (!lv2Saw && afterLv2 != before) std::abort();
    if (!clapTook) return 0;

    gravelo::fuzz::Instance vst;
    vst.setChunk(chunk.data(), chunk.size(), mode & 1);
    if (vst.getChunk(mode & 1) != chunk) std::abort();
    vst.processAndCheck(32, 0.5f);
    return 0;
}
