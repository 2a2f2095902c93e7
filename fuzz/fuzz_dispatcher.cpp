// The dispatcher as a careless host drives it: text, chunk, program,
// parameter and event opcodes with arbitrary indexes, values and buffers,
// interleaved with audio. Each text buffer is exactly as large as hosts
// give in practice, so a write past it is caught by the address sanitizer.
#include "support/FuzzHost.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using gravelo::fuzz::ByteSource;
using gravelo::fuzz::Instance;

// Room the plug-in may fill for each text opcode.
size_t textCapacity(VstInt32 opcode) {
    switch (opcode) {
    case effGetEffectName:
        return 32;
    case effGetVendorString:
    case effGetProductString:
        return 64;
    default:
        return 24; // program names; parameter texts in practice
    }
}

void textQuery(Instance& plugin, ByteSource& in, VstInt32 opcode) {
    const size_t capacity = textCapacity(opcode);
    auto buffer = std::make_unique<char[]>(capacity);
    std::memset(buffer.get(), 0x55, capacity);
    plugin.dispatch(opcode, in.int32(), in.int32(), buffer.get(), in.float32());
    if (std::memchr(buffer.get(), '\0', capacity) == nullptr && buffer[0] != 0x55) std::abort();
}

// A NUL-terminated text of fuzzed length and bytes, as effCanDo and
// effSetProgramName receive.
void textArgument(Instance& plugin, ByteSource& in, VstInt32 opcode) {
    std::vector<char> text(in.byte() % 48 + 1);
    for (size_t i = 0; i + 1 < text.size(); ++i)
        text[i] = static_cast<char>(in.byte());
    text.back() = '\0';
    plugin.dispatch(opcode, in.int32(), 0, text.data());
}

void chunkRoundTrip(Instance& plugin, ByteSource& in) {
    const VstInt32 index = in.int32();
    std::vector<uint8_t> bytes(in.byte() * 2);
    for (auto& b : bytes)
        b = in.byte();
    // A host may announce more bytes than it has; only the announced size
    // up to what exists is readable, so announce at most the real size.
    const VstIntPtr announced = bytes.empty() ? 0 : in.byte() % (bytes.size() + 1);
    plugin.dispatch(effSetChunk, index, announced, bytes.empty() ? nullptr : bytes.data());
    void* data = nullptr;
    const VstIntPtr size = plugin.dispatch(effGetChunk, in.int32(), 0, &data);
    if (size > 0 && data == nullptr) std::abort();
    if (size > 0)
        std::vector<uint8_t> copy(static_cast<const uint8_t*>(data),
                                  static_cast<const uint8_t*>(data) + size);
}

void midiEvents(Instance& plugin, ByteSource& in) {
    const int count = in.byte() % 40;
    std::vector<VstMidiEvent> events(static_cast<size_t>(count));
    std::vector<char> storage(sizeof(VstEvents) +
                              sizeof(VstEvent*) * static_cast<size_t>(count + 2));
    auto* list = reinterpret_cast<VstEvents*>(storage.data());
    list->numEvents = count;
    // The list is declared with two entries and really holds `count`.
    VstEvent** slots = &list->events[0];
    for (int i = 0; i < count; ++i) {
        auto* raw = reinterpret_cast<uint8_t*>(&events[static_cast<size_t>(i)]);
        for (size_t k = 0; k < sizeof(VstMidiEvent); ++k)
            raw[k] = in.byte();
        slots[i] = (in.byte() & 7) == 0
                       ? nullptr
                       : reinterpret_cast<VstEvent*>(&events[static_cast<size_t>(i)]);
    }
    plugin.dispatch(effProcessEvents, 0, 0, list);
}

// Any opcode the plug-in knows or not, with a zeroed scratch buffer as ptr
// and, for the one opcode that takes a pointer in value, a pointer there.
void anyOpcode(Instance& plugin, ByteSource& in) {
    VstInt32 opcode = in.byte();
    if (opcode == effClose || opcode == effEditOpen) return; // covered by the torture run
    alignas(16) uint8_t scratch[256] = {};
    void* slot = nullptr;
    VstIntPtr value = in.int32();
    if (opcode == effGetSpeakerArrangement) value = reinterpret_cast<VstIntPtr>(&slot);
    // effSetChunk's value is the size of ptr's data; never more than there is.
    if (opcode == effSetChunk)
        value = static_cast<VstIntPtr>(static_cast<uint32_t>(value) % (sizeof scratch + 1));
    plugin.dispatch(opcode, in.int32(), value, scratch, in.float32());
}

void oneStep(Instance& plugin, ByteSource& in) {
    static const VstInt32 textQueries[] = {
        effGetProgramName, effGetParamLabel,   effGetParamDisplay,  effGetParamName,
        effGetEffectName,  effGetVendorString, effGetProductString, effGetProgramNameIndexed};
    switch (in.byte() % 8) {
    case 0:
        textQuery(plugin, in, textQueries[in.byte() % 8]);
        break;
    case 1:
        textArgument(plugin, in, in.byte() & 1 ? effCanDo : effSetProgramName);
        break;
    case 2:
        chunkRoundTrip(plugin, in);
        break;
    case 3:
        plugin.effect()->setParameter(plugin.effect(), in.int32() % 16, in.float32());
        break;
    case 4:
        plugin.effect()->getParameter(plugin.effect(), in.int32());
        break;
    case 5:
        midiEvents(plugin, in);
        break;
    case 6:
        anyOpcode(plugin, in);
        break;
    default:
        plugin.processAndCheck(1 + in.byte() % 64, 0.3f);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Instance plugin;
    ByteSource in(data, size);
    for (int step = 0; step < 64 && in.remaining() > 0; ++step)
        oneStep(plugin, in);
    plugin.processAndCheck(32, 0.3f);
    return 0;
}
