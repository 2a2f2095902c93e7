#include "host/CVeST.h"
#include "host/CVeSTEditor.h"
#include "runtime/VeSTDrawingServices.h"
#include "runtime/VeSTServices.h"
#include "support/RecordingRuntime.h"
#include "vsthost/InProcess.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class Bridge : public ::testing::Test {
  protected:
    void SetUp() override {
        runtime = new RecordingRuntime();
        runtime->channelCount = 2;
        ASSERT_TRUE(gravelo::vsthost::createWithRuntime(host, runtime));
        effect = host.effect();
        shell = &gravelo::vsthost::shellOf(effect);
    }
    gravelo::vsthost::Host host;
    RecordingRuntime* runtime = nullptr;
    AEffect* effect = nullptr;
    CVeST* shell = nullptr;
};

TEST_F(Bridge, MouseDownMapsButtonStateBits) {
    const struct {
        VstInt32 state;
        double word;
    } cases[] = {{2, 1},   {8, 2},  {2 | 16, 9},           {32, 4},
                 {64, 16}, {4, 64}, {256 | 512 | 1024, 0}, {2 | 4 | 8 | 16 | 32 | 64, 95}};
    for (const auto& c : cases) {
        shell->callbacks.onMouseDown(shell, 10.0, 20.0, c.state);
        EXPECT_EQ(runtime->mouseButtons.load(), c.word) << c.state;
    }
    EXPECT_EQ(runtime->mouseX.load(), 10.0);
    EXPECT_EQ(runtime->mouseY.load(), 20.0);
}

TEST_F(Bridge, MouseUpClearsButtonsAndMoveKeepsThem) {
    shell->callbacks.onMouseDown(shell, 1, 1, 2);
    shell->callbacks.onMouseMoved(shell, 5, 6, 0);
    EXPECT_EQ(runtime->mouseButtons.load(), 1.0);
    EXPECT_EQ(runtime->mouseX.load(), 5.0);
    shell->callbacks.onMouseUp(shell, 7, 8, 2);
    EXPECT_EQ(runtime->mouseButtons.load(), 0.0);
    EXPECT_EQ(runtime->mouseY.load(), 8.0);
}

TEST_F(Bridge, MouseEventsRaiseTheRedrawRateToTheRuntimesRate) {
    runtime->gfxRate = 10.0;
    shell->callbacks.onMouseMoved(shell, 0, 0, 0);
    EXPECT_EQ(runtime->gfxRate.load(), 30.0);
    runtime->gfxRate = 60.0;
    shell->callbacks.onMouseDown(shell, 0, 0, 2);
    EXPECT_EQ(runtime->gfxRate.load(), 60.0);
    runtime->gfxRate = std::nan("");
    shell->callbacks.onMouseUp(shell, 0, 0, 0);
    EXPECT_TRUE(std::isnan(runtime->gfxRate.load()));
    runtime->redrawRate = 50.0;
    runtime->gfxRate = 40.0;
    shell->callbacks.onMouseMoved(shell, 0, 0, 0);
    EXPECT_EQ(runtime->gfxRate.load(), 50.0);
}

TEST_F(Bridge, ResumeAsksForMidiBeforeTheRuntimeResumes) {
    host.calls.clear();
    host.dispatch(effMainsChanged, 0, 1);
    ASSERT_EQ(host.calls.size(), 1u);
    EXPECT_EQ(host.calls[0].opcode, audioMasterWantMidi);
    EXPECT_EQ(runtime->hooks, (std::vector<std::string>{"init", "slider"}));
}

TEST_F(Bridge, BlockHookRunsOncePerCallAndSampleHookPerFrame) {
    std::vector<float> in0(64, 0.25f), in1(64, -0.5f), out0(64, 9.0f), out1(64, 9.0f);
    float* inputs[] = {in0.data(), in1.data()};
    float* outputs[] = {out0.data(), out1.data()};
    effect->processReplacing(effect, inputs, outputs, 0);
    EXPECT_EQ(runtime->hooks, std::vector<std::string>{"block"});
    EXPECT_EQ(runtime->sampleCount, 0);
    effect->processReplacing(effect, inputs, outputs, 64);
    EXPECT_EQ(runtime->sampleCount, 64);
    EXPECT_EQ(out0, in0);
    EXPECT_EQ(out1, in1);
}

TEST_F(Bridge, InPlaceEqualsOutOfPlaceAndDoublePathIsExact) {
    runtime->gain = 0.5;
    std::vector<double> a(32), b(32);
    for (int i = 0; i < 32; ++i)
        a[i] = b[i] = std::sin(i * 0.3);
    std::vector<double> outA(32), outB(32);
    double* separateIn[] = {a.data(), b.data()};
    double* separateOut[] = {outA.data(), outB.data()};
    effect->processDoubleReplacing(effect, separateIn, separateOut, 32);
    double* inPlace[] = {a.data(), b.data()};
    effect->processDoubleReplacing(effect, inPlace, inPlace, 32);
    EXPECT_EQ(a, outA);
    EXPECT_EQ(b, outB);
}

TEST_F(Bridge, GeneralChannelLoopCarriesEveryChannel) {
    VeSTSetNumInputs(shell, 3);
    std::vector<float> c0(8, 1.0f), c1(8, 2.0f), c2(8, 3.0f), o0(8), o1(8), o2(8);
    float* inputs[] = {c0.data(), c1.data(), c2.data()};
    float* outputs[] = {o0.data(), o1.data(), o2.data()};
    effect->processReplacing(effect, inputs, outputs, 8);
    EXPECT_EQ(o2, c2);
    EXPECT_EQ(o0, c0);
    EXPECT_EQ(runtime->sampleCount, 8);
}

// Records, as it dies, whether its shell's editor still exists.
struct EditorWatcher : RecordingRuntime {
    explicit EditorWatcher(bool& aliveFlag) : editorAlive(aliveFlag) {}
    ~EditorWatcher() override { editorAlive = VeSTGetEditorSize(shell, nullptr, nullptr) == 1; }
    bool& editorAlive;
};

TEST_F(Bridge, RuntimeIsDestroyedBeforeTheEditor) {
    bool editorAlive = false;
    gravelo::vsthost::Host other;
    ASSERT_TRUE(gravelo::vsthost::createWithRuntime(other, new EditorWatcher(editorAlive)));
    EXPECT_EQ(other.close(), 1);
    EXPECT_TRUE(editorAlive);
}

TEST_F(Bridge, EditorIsCreatedOnceWithTheSizeTheRuntimeDeclares) {
    ASSERT_NE(shell->getEditor(), nullptr);
    EXPECT_EQ(VeSTCreateEditor(shell, 10, 10), 0);
    auto* editor = static_cast<CVeSTEditor*>(shell->getEditor());
    EXPECT_EQ(editor->getWidth(), RecordingRuntime::kEditorWidth);
    EXPECT_EQ(editor->getHeight(), RecordingRuntime::kEditorHeight);

    auto* withoutPanel = new RecordingRuntime();
    withoutPanel->editorWidth = 0;
    gravelo::vsthost::Host other;
    ASSERT_TRUE(gravelo::vsthost::createWithRuntime(other, withoutPanel));
    EXPECT_EQ(other.effect()->flags & effFlagsHasEditor, 0) << "no panel, no editor";
}

TEST_F(Bridge, TimeServicesAnswerZeroWithoutTimeInfo) {
    double tempo = 7.0;
    EXPECT_EQ(VeSTGetTempo(shell), 0.0);
    EXPECT_EQ(VeSTIsPlaying(shell), 0);
    EXPECT_EQ(VeSTGetTempoAndTimeSig(shell, &tempo, nullptr, nullptr), 0);
    EXPECT_EQ(tempo, 7.0);
}

TEST_F(Bridge, TimeServicesReadTheHostsTimeInfo) {
    VstTimeInfo info{};
    info.tempo = 128.0;
    info.ppqPos = 3.5;
    info.timeSigNumerator = 7;
    info.timeSigDenominator = 8;
    info.flags = kVstTransportPlaying;
    host.timeInfo = info;
    double tempo = 0, numerator = 0, denominator = 0;
    EXPECT_EQ(VeSTGetTempo(shell), 128.0);
    EXPECT_EQ(VeSTIsPlaying(shell), 1);
    EXPECT_EQ(VeSTIsRecording(shell), 0);
    EXPECT_EQ(VeSTGetPpqPos(shell), 3.5);
    EXPECT_EQ(VeSTGetTempoAndTimeSig(shell, &tempo, &numerator, nullptr), 1);
    EXPECT_EQ(numerator, 7.0);
    EXPECT_EQ(VeSTGetTempoAndTimeSig(shell, nullptr, nullptr, &denominator), 1);
    EXPECT_EQ(denominator, 8.0);
}

TEST_F(Bridge, ServicesChangeTheRecord) {
    VeSTSetInitialDelay(shell, 64);
    EXPECT_EQ(effect->initialDelay, 64);
    VeSTSetSynth(shell, 1);
    EXPECT_EQ(effect->flags & effFlagsIsSynth, effFlagsIsSynth);
    EXPECT_EQ(host.dispatch(effGetPlugCategory), 2);
    VeSTSetSynth(shell, 0);
    VeSTProgramsAreChunks(shell, 0);
    EXPECT_EQ(effect->flags, 0x1011);
}

TEST(ShellServices, NullShellAnswersZero) {
    double out = 3.0;
    VstInt32 delta = 5;
    EXPECT_EQ(VeSTGetAEffect(nullptr), nullptr);
    EXPECT_EQ(VeSTGetRuntime(nullptr), nullptr);
    EXPECT_EQ(VeSTGetSampleRate(nullptr), 0.0);
    EXPECT_EQ(VeSTGetBlockSize(nullptr), 0);
    EXPECT_EQ(VeSTGetTempo(nullptr), 0.0);
    EXPECT_EQ(VeSTGetTempoAndTimeSig(nullptr, &out, &out, &out), 0);
    EXPECT_EQ(out, 3.0);
    EXPECT_EQ(VeSTRepaintEditor(nullptr), 0);
    EXPECT_EQ(VeSTReadMidiEvent(nullptr, &delta, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(delta, 5);
    EXPECT_EQ(VeSTCreateEditor(nullptr, 1, 1), 0);
    EXPECT_EQ(VeSTSendMidiEvent(nullptr, 0, 0x90, 60, 100), 0);
    EXPECT_EQ(VeSTMasterIdle(nullptr), 0);
}

} // namespace
