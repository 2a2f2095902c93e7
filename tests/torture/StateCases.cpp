// Careless hosts on the state and dispatcher side: chunks of random bytes,
// null buffers, hostile time information and floods of events.
#include "Check.h"
#include "PluginRig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace gravelo::test::torture {
namespace {

constexpr float kMarker = -1000.0f;

std::vector<uint8_t> randomChunk(std::mt19937& random) {
    std::vector<uint8_t> bytes(random() % 600);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(random());
    // Half of them pass the marker check, so that garbage reaches the sliders.
    if (bytes.size() >= 4 && random() % 2) std::memcpy(bytes.data(), &kMarker, 4);
    return bytes;
}

// After any amount of garbage, the instance's own saved state brings back
// normal, bounded audio.
TEST(State, ThreeThousandChunksOfRandomBytesThenTheSavedState) {
    PluginRig rig;
    auto host = rig.started();
    const std::vector<uint8_t> good = host->getChunk();
    ASSERT_TRUE(good.size() == 260)
        << "getChunk answered " + std::to_string(good.size()) + " bytes";
    std::mt19937 random(11);
    for (int i = 0; i < 3000; ++i) {
        const auto bytes = randomChunk(random);
        const bool preset = random() % 2;
        const VstIntPtr answer =
            host->setChunk(bytes.empty() ? nullptr : bytes.data(), bytes.size(), preset);
        ASSERT_TRUE(answer == static_cast<VstIntPtr>(bytes.size()))
            << "setChunk answered " + std::to_string(answer);
        std::vector<std::vector<float>> in(2, std::vector<float>(32, 0.1f)),
            out(2, std::vector<float>(32));
        host->process(in, out); // anything but a crash is allowed for garbage
        ASSERT_TRUE(host->getChunk(preset).size() == 260)
            << "getChunk after garbage is not 260 bytes";
    }
    host->calls.clear();
    ASSERT_TRUE(host->setChunk(good.data(), good.size()) == 260) << "the good chunk was refused";
    // Filter states hold whatever the garbage left; a suspend and resume starts clean.
    host->dispatch(effMainsChanged, 0, 0);
    host->dispatch(effMainsChanged, 0, 1);
    const double peak =
        processBlocks(*host, sine, 100, 480, false, "after restoring the good chunk");
    ASSERT_TRUE(peak > 1e-3) << "silence after restoring the good chunk";
    ASSERT_TRUE(host->getChunk() == good) << "the restored state differs from the saved one";
}

TEST(State, NullBuffersAndEveryOpcodeFromMinus3To139) {
    PluginRig rig;
    auto host = rig.started();
    for (VstInt32 op : {effGetProgramName, effSetProgramName, effGetParamLabel, effGetParamDisplay,
                        effGetParamName, effGetEffectName, effGetVendorString, effGetProductString,
                        effCanDo, effGetChunk, effProcessEvents, effEditGetRect,
                        effGetProgramNameIndexed, effGetSpeakerArrangement})
        for (VstInt32 index : {-1, 0, 8, 9, 1 << 30})
            host->dispatch(op, index, 0, nullptr);
    host->dispatch(effSetChunk, 0, 260, nullptr);
    host->dispatch(effSetChunk, 1, -5, nullptr);
    for (VstInt32 op = -3; op < 140; ++op) {
        if (op == effClose || op == effEditOpen || op == effGetSpeakerArrangement) continue;
        char scratch[512] = {};
        host->dispatch(op, 3, 0, scratch, 0.5f);
        host->dispatch(op, -7, -1, nullptr, NAN);
    }
    processBlocks(*host, sine, 20, 256, false, "after the opcode sweep");
}

VstTimeInfo hostileTime(double tempo, double rate, VstInt32 flags) {
    VstTimeInfo t{};
    t.samplePos = -1e300;
    t.sampleRate = rate;
    t.ppqPos = NAN;
    t.tempo = tempo;
    t.barStartPos = INFINITY;
    t.timeSigNumerator = 0;
    t.timeSigDenominator = 0;
    t.flags = flags;
    return t;
}

TEST(State, HostileTimeInformation) {
    PluginRig rig;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double tempo : {0.0, -120.0, nan, inf, 1e308, 1e-300})
        for (double rate : {0.0, nan, 48000.0}) {
            auto host = rig.create();
            host->timeInfo = hostileTime(tempo, rate, 0xffff);
            host->start();
            processBlocks(*host, sine, 10, 256, false, "tempo " + std::to_string(tempo));
        }
}

TEST(State, FloodsOf5000MidiOtherAndNullEvents) {
    PluginRig rig;
    auto host = rig.started();
    const size_t count = 5000;
    std::vector<VstMidiEvent> midi(count);
    std::vector<VstEvent> other(count);
    std::vector<char> storage(sizeof(VstEvents) + sizeof(VstEvent*) * count);
    auto* list = reinterpret_cast<VstEvents*>(storage.data());
    VstEvent** slots = &list->events[0];
    for (size_t i = 0; i < count; ++i) {
        midi[i].type = kVstMidiType;
        midi[i].byteSize = sizeof(VstMidiEvent);
        midi[i].deltaFrames =
            static_cast<VstInt32>(i) - 100; // some negative, most beyond the block
        midi[i].midiData[0] = static_cast<char>(0x80 + i % 0x80);
        other[i].type = static_cast<VstInt32>(i % 9);
        slots[i] = i % 3 == 0   ? reinterpret_cast<VstEvent*>(&midi[i])
                   : i % 3 == 1 ? &other[i]
                                : nullptr;
    }
    for (int round = 0; round < 20; ++round) {
        list->numEvents = round % 5 == 4 ? -3 : static_cast<VstInt32>(count);
        ASSERT_TRUE(host->dispatch(effProcessEvents, 0, 0, list) == 1)
            << "processEvents did not answer 1";
        processChecked(*host, sine, round * 256L, 256, false, "after events");
    }
}

} // namespace
} // namespace gravelo::test::torture
