#include "support/PluginFixture.h"

#include <cmath>
#include <cstring>

namespace {

using Dispatcher = PluginFixture;

TEST_F(Dispatcher, FixedAnswers) {
    EXPECT_EQ(host.dispatch(effGetTailSize), 0);
    EXPECT_EQ(host.dispatch(effGetPlugCategory), 0);
    EXPECT_EQ(host.dispatch(effGetCurrentMidiProgram), -1);
    EXPECT_EQ(host.dispatch(effGetProgram), 0);
    for (int index : {0, 8, 100, -1})
        EXPECT_EQ(host.dispatch(effCanBeAutomated, index), 1);
    EXPECT_EQ(host.dispatch(effSetTotalSampleToProcess, 0, 4096), 4096);
    EXPECT_EQ(host.dispatch(effOpen), 0);
    EXPECT_EQ(host.dispatch(effMainsChanged, 0, 1), 0);
}

TEST_F(Dispatcher, CanDoClaimsOnlyMidiInput) {
    auto canDo = [&](const char* text) {
        return host.dispatch(effCanDo, 0, 0, const_cast<char*>(text));
    };
    EXPECT_EQ(canDo("receiveVstMidiEvent"), 1);
    EXPECT_EQ(canDo("ReceiveVstMidiEvent"), -1);
    EXPECT_EQ(canDo("receiveVstMidiEvents"), -1);
    for (const char* other :
         {"bypass", "sendVstMidiEvent", "offline", "midiProgramNames", "receiveVstTimeInfo", ""})
        EXPECT_EQ(canDo(other), -1) << other;
}

TEST_F(Dispatcher, ProgramStaysZero) {
    host.dispatch(effSetProgram, 0, 1);
    EXPECT_EQ(host.dispatch(effGetProgram), 0);
    host.dispatch(effSetProgram, 0, -5);
    EXPECT_EQ(host.dispatch(effGetProgram), 0);
    char name[64] = "untouched";
    EXPECT_EQ(host.dispatch(effGetProgramNameIndexed, 0, 0, name), 0);
    EXPECT_STREQ(name, "untouched");
}

TEST_F(Dispatcher, ProgramNameCanBeRenamedAndIsBoundedOnTheWayOut) {
    char newName[] = "Slap";
    host.dispatch(effSetProgramName, 0, 0, newName);
    EXPECT_EQ(host.text(effGetProgramName), "Slap");
    std::string longName(5000, 'n');
    host.dispatch(effSetProgramName, 0, 0, longName.data());
    char buffer[64];
    std::memset(buffer, 'z', sizeof buffer);
    host.dispatch(effGetProgramName, 0, 0, buffer);
    EXPECT_EQ(std::strlen(buffer), 23u) << "a program name fits the interface's 24 bytes";
    EXPECT_EQ(buffer[25], 'z');
    char empty[] = "";
    host.dispatch(effSetProgramName, 0, 0, empty);
    EXPECT_EQ(host.text(effGetProgramName), "");
}

TEST_F(Dispatcher, SpeakerArrangementPointersAreCleared) {
    int dummy = 0;
    void* input = &dummy;
    void* output = &dummy;
    EXPECT_EQ(
        host.dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&input), &output),
        0);
    EXPECT_EQ(input, nullptr);
    EXPECT_EQ(output, nullptr);
}

TEST_F(Dispatcher, ResumeAsksForMidiEveryTime) {
    host.dispatch(effMainsChanged, 0, 1);
    host.dispatch(effMainsChanged, 0, 0);
    host.dispatch(effMainsChanged, 0, 1);
    EXPECT_EQ(host.countCalls(audioMasterWantMidi), 2u);
    for (const auto& call : host.calls)
        if (call.opcode == audioMasterWantMidi) {
            EXPECT_EQ(call.value, 1);
            EXPECT_EQ(call.effect, host.effect());
        }
}

TEST_F(Dispatcher, BypassIsRefused) {
    EXPECT_EQ(host.dispatch(effSetBypass, 0, 1), 0);
}

TEST_F(Dispatcher, UnknownOpcodesAnswerZero) {
    for (VstInt32 opcode :
         {9,  16, 17, 18, 20, 21, 27, 28, 30, 31, 32, 33, 34, 36, 37, 41, 42, 43, 46, 50,   53, 54,
          55, 56, 57, 62, 64, 65, 66, 67, 68, 70, 71, 72, 74, 75, 76, 77, 78, 79, 80, 1000, -1}) {
        char buffer[256] = {};
        EXPECT_EQ(host.dispatch(opcode, 0, 0, buffer), 0) << opcode;
    }
}

TEST_F(Dispatcher, NullPointersAreTolerated) {
    for (VstInt32 opcode :
         {effSetProgramName, effGetProgramName, effGetParamLabel, effGetParamDisplay,
          effGetParamName, effEditGetRect, effGetChunk, effProcessEvents, effGetProgramNameIndexed,
          effGetEffectName, effGetVendorString, effGetProductString, effCanDo,
          effGetSpeakerArrangement})
        host.dispatch(opcode, 0, 0, nullptr);
    EXPECT_EQ(host.dispatch(effSetChunk, 0, 260, nullptr), 260);
    EXPECT_EQ(host.text(effGetEffectName), "Gravelo I");
}

TEST_F(Dispatcher, EditorKeysAreNotConsumed) {
    EXPECT_EQ(host.dispatch(effEditKeyDown, 'a', 0, nullptr, 0.0f), 0);
    EXPECT_EQ(host.dispatch(effEditKeyUp, 'a', 0, nullptr, std::nanf("")), 0);
    EXPECT_EQ(host.dispatch(effSetEditKnobMode, 0, 2), 1);
}

TEST_F(Dispatcher, ParameterIndexesOutsideTheSlidersDoNothing) {
    const std::vector<uint8_t> before = host.getChunk();
    for (VstInt32 index : {-1, 9, 64, 1 << 20}) {
        host.setParameter(index, 0.7f);
        EXPECT_EQ(host.getParameter(index), 0.0f);
        char buffer[64] = "kept";
        host.dispatch(effGetParamName, index, 0, buffer);
        host.dispatch(effGetParamDisplay, index, 0, buffer);
        host.dispatch(effGetParamLabel, index, 0, buffer);
        EXPECT_STREQ(buffer, "kept");
    }
    EXPECT_EQ(host.getChunk(), before);
}

} // namespace
