// The services over a shell that is not the VST one: only the required
// operations, a transport, and a drawing surface that records what it gets.
#include "runtime/TVobrix.h"
#include "runtime/VeSTDrawing.h"
#include "runtime/VeSTDrawingServices.h"
#include "runtime/VeSTServices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RecordingDrawing : VeSTDrawing {
    std::vector<std::string> calls;
    void note(const char* what) { calls.push_back(what); }
    void setDrawMode(int32_t) override { note("mode"); }
    void setFontColour(int32_t, int32_t, int32_t, int32_t) override { note("font colour"); }
    void setFillColour(int32_t, int32_t, int32_t, int32_t) override { note("fill colour"); }
    void setFrameColour(int32_t, int32_t, int32_t, int32_t) override { note("frame colour"); }
    double stringWidth(const char*) override { return 42.0; }
    void moveTo(double, double) override { note("move"); }
    void lineTo(double, double) override { note("line"); }
    void drawRect(double, double, double, double, int32_t) override { note("rect"); }
    void drawEllipse(double, double, double, double, int32_t) override { note("ellipse"); }
    void drawArc(double, double, double, double, double, double, int32_t) override { note("arc"); }
    void drawStringInRect(const char*, double, double, double, double, bool, int32_t) override {
        note("text");
    }
    void drawStringAligned(const char*, double, double, double, double, int32_t, bool) override {
        note("aligned text");
    }
    void drawString(const char*, double, double, bool) override { note("string"); }
    void drawPoint(double, double, int32_t, int32_t, int32_t, int32_t) override { note("point"); }
    void getPoint(double, double, int32_t* red, int32_t*, int32_t*, int32_t*) override {
        if (red != nullptr) *red = 7;
    }
    void setFont(const char*, int32_t, int32_t) override { note("font"); }
    int32_t fontSize() override { return 12; }
    void drawImage(const VeSTImage&, double, double, double, double, double, double, Blend,
                   uint8_t) override {
        note("image");
    }
};

class MinimalShell : public VeSTShell {
  public:
    TVobrix* hostedRuntime() override { return &runtime; }
    int32_t inputCount() override { return 1; }
    int32_t outputCount() override { return 2; }
    double currentSampleRate() override { return 96000.0; }
    int32_t currentBlockSize() override { return 32; }
    bool transport(int32_t request, VeSTTransport& out) override {
        requests.push_back(request);
        out.tempo = 90.0;
        out.timeSignatureNumerator = 6;
        out.timeSignatureDenominator = 8;
        out.playing = true;
        return true;
    }
    VeSTDrawing* drawing() override { return drawingLent ? &surface : nullptr; }

    TVobrix runtime;
    RecordingDrawing surface;
    bool drawingLent = false;
    std::vector<int32_t> requests;
};

TEST(ShellServices, AnyShellAnswersThroughItsFace) {
    MinimalShell shell;
    EXPECT_EQ(VeSTGetRuntime(&shell), &shell.runtime);
    EXPECT_EQ(VeSTGetAEffect(&shell), nullptr);
    EXPECT_EQ(VeSTGetSampleRate(&shell), 96000.0);
    EXPECT_EQ(VeSTGetBlockSize(&shell), 32);
    EXPECT_EQ(VeSTGetNumOutputs(&shell), 2);
    EXPECT_EQ(VeSTSetNumInputs(&shell, 3), 1) << "accepted, even where the shell ignores it";
    EXPECT_EQ(VeSTIsPlaying(&shell), 1);
    EXPECT_EQ(VeSTIsRecording(&shell), 0);
    double numerator = 0;
    EXPECT_EQ(VeSTGetTempoAndTimeSig(&shell, nullptr, &numerator, nullptr), 1);
    EXPECT_EQ(numerator, 6.0);
    EXPECT_EQ(shell.requests.back(), kVeSTWantTempo | kVeSTWantTimeSignature);
    EXPECT_EQ(VeSTCreateEditor(&shell, 10, 10), 0) << "this shell has no editor";
    int32_t delta = 5;
    EXPECT_EQ(VeSTReadMidiEvent(&shell, &delta, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(delta, 0) << "an empty queue answers zeros";
    EXPECT_EQ(VeSTRepaintEditor(&shell), 0);
}

TEST(ShellServices, DrawingReachesTheSurfaceOnlyWhileOneIsLent) {
    MinimalShell shell;
    int32_t red = -1, width = -1;
    EXPECT_EQ(VeSTDrawRect(&shell, 0, 0, 1, 1, 1), 0);
    EXPECT_EQ(VeSTGetStringWidth(&shell, "x"), 0.0);
    EXPECT_EQ(VeSTGetPoint(&shell, 0, 0, &red, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(red, -1) << "outs untouched outside a draw";
    EXPECT_EQ(VeSTGetEditorSize(&shell, &width, nullptr), 0);
    EXPECT_EQ(width, -1);
    EXPECT_TRUE(shell.surface.calls.empty());

    shell.drawingLent = true;
    EXPECT_EQ(VeSTSetFillColor(&shell, 1, 2, 3, 4), 1);
    EXPECT_EQ(VeSTDrawRect(&shell, 0, 0, 1, 1, 1), 1);
    EXPECT_EQ(VeSTSetFont(&shell, "Arial", 12, 1), 1);
    EXPECT_EQ(VeSTSetFont(&shell, nullptr, 12, 1), 0);
    EXPECT_EQ(VeSTGetStringWidth(&shell, "x"), 42.0);
    EXPECT_EQ(VeSTGetFontSize(&shell), 12);
    EXPECT_EQ(VeSTGetPoint(&shell, 0, 0, &red, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(red, 7);
    VeSTImage* empty = VeSTNewImage();
    EXPECT_EQ(VeSTDrawImage(empty, &shell, 0, 0, 1, 1, 0, 0), 0) << "no bitmap, nothing drawn";
    VeSTReleaseImage(empty);
    EXPECT_EQ(shell.surface.calls, (std::vector<std::string>{"fill colour", "rect", "font"}));
}

} // namespace
