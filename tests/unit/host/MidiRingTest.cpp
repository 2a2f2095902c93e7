// The shell's MIDI ring: events are queued, wrap at the ring's end, and
// sysex is left out.
#include "unit/effect/dsp/PluginSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using gravelo::test::dsp::Plugin;

TEST(MidiRing, ThousandAndOneEventsWrapTheWriteIndexToOne) {
    Plugin p;
    p.start();
    std::vector<VstMidiEvent> events(1001);
    std::vector<char> storage(sizeof(VstEvents) + sizeof(VstEvent*) * 1001);
    auto* list = reinterpret_cast<VstEvents*>(storage.data());
    list->numEvents = 1001;
    VstEvent** entries = list->events; // the record declares only two entries
    for (size_t i = 0; i < events.size(); ++i) {
        events[i].type = kVstMidiType;
        events[i].byteSize = sizeof(VstMidiEvent);
        events[i].deltaFrames = static_cast<VstInt32>(i % 256);
        events[i].midiData[0] = static_cast<char>(0x90);
        events[i].midiData[1] = static_cast<char>(i % 128);
        entries[i] = reinterpret_cast<VstEvent*>(&events[i]);
    }
    EXPECT_EQ(p.dispatch(effProcessEvents, 0, 0, list), 1);
    EXPECT_EQ(p.shell()->midiWriteIndex, 1);
    // The last event overwrote the first slot.
    EXPECT_EQ(p.shell()->midiRing[0].deltaFrames, 1000 % 256);
    EXPECT_EQ(static_cast<unsigned char>(p.shell()->midiRing[0].midiData[1]), 1000 % 128);
}

TEST(MidiRing, SysexOnlyListLeavesTheRingUnchanged) {
    Plugin p;
    p.start();
    const auto before = p.shell()->midiRing;
    VstMidiSysexEvent sysex[3] = {};
    char dump[4] = {char(0xF0), 1, 2, char(0xF7)};
    std::vector<char> storage(sizeof(VstEvents) + sizeof(VstEvent*) * 3);
    auto* list = reinterpret_cast<VstEvents*>(storage.data());
    list->numEvents = 3;
    // Written through the decayed pointer: the record declares only two entries.
    VstEvent** entries = list->events;
    for (int i = 0; i < 3; ++i) {
        sysex[i].type = kVstSysExType;
        sysex[i].byteSize = sizeof(VstMidiSysexEvent);
        sysex[i].dumpBytes = 4;
        sysex[i].sysexDump = dump;
        entries[i] = reinterpret_cast<VstEvent*>(&sysex[i]);
    }
    EXPECT_EQ(p.dispatch(effProcessEvents, 0, 0, list), 1);
    EXPECT_EQ(p.shell()->midiWriteIndex, 0);
    EXPECT_EQ(std::memcmp(before.data(), p.shell()->midiRing.data(),
                          before.size() * sizeof(VstMidiEvent)),
              0);
    // The effect itself never reads the ring: queued events stay queued.
    VstInt32 delta, status, d1, d2;
    EXPECT_FALSE(p.shell()->readMidiEvent(delta, status, d1, d2));
}
