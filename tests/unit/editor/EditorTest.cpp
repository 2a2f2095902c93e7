// The editor and its view without a display: entries forwarded, the draw
// context lent for one draw, idle rules, pumpIdle timing, knob mode.
#include "EditorFixture.h"
#include "unit/toolkit/RecordingViews.h"

#include "editor/CVeSTCanvas.h"
#include "editor/CVeSTView.h"
#include "toolkit/CFrame.h"
#include "toolkit/COffscreenContext.h"

#include <cstdlib>
#include <string>
#include <vector>

using namespace VSTGUI;

namespace {

// What the entries of the callback table saw.
struct EntryLog {
    static inline std::vector<std::string> calls;
    static inline CDrawContext* contextDuringDraw = nullptr;
    static inline double width = 0, height = 0, x = 0, y = 0;
    static inline VstInt32 buttons = 0, character = 0, modifiers = 0, virtualKey = 0;

    static void idle(CVeST*) { calls.push_back("idle"); }
    static void draw(CVeST* shell, double w, double h) {
        calls.push_back("draw");
        contextDuringDraw = shell->canvas.lentContext();
        width = w;
        height = h;
    }
    static void mouse(const char* kind, double px, double py, VstInt32 b) {
        calls.push_back(kind);
        x = px;
        y = py;
        buttons = b;
    }
    static void down(CVeST*, double px, double py, VstInt32 b) { mouse("down", px, py, b); }
    static void up(CVeST*, double px, double py, VstInt32 b) { mouse("up", px, py, b); }
    static void moved(CVeST*, double px, double py, VstInt32 b) { mouse("moved", px, py, b); }
    static void key(CVeST*, VstInt32 c, VstInt32 m, VstInt32 v) {
        calls.push_back("key");
        character = c;
        modifiers = m;
        virtualKey = v;
    }
};

class EditorEntries : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        EntryLog::calls.clear();
        EntryLog::contextDuringDraw = nullptr;
        shell->callbacks.onEditorIdle = EntryLog::idle;
        shell->callbacks.onDraw = EntryLog::draw;
        shell->callbacks.onMouseDown = EntryLog::down;
        shell->callbacks.onMouseUp = EntryLog::up;
        shell->callbacks.onMouseMoved = EntryLog::moved;
        shell->callbacks.onKeyDown = EntryLog::key;
        shell->callbacks.onKeyUp = EntryLog::key;
    }
};

TEST_F(EditorEntries, DrawLendsTheContextForTheHookOnlyAndPassesTheViewSize) {
    CVeSTView view(ViewRect(0, 0, 600, 284), shell);
    COffscreenContext context(nullptr, 600, 284);
    view.draw(&context);
    ASSERT_EQ(EntryLog::calls, std::vector<std::string>{"draw"});
    EXPECT_EQ(EntryLog::contextDuringDraw, &context);
    EXPECT_EQ(shell->canvas.lentContext(), nullptr);
    EXPECT_EQ(EntryLog::width, 600);
    EXPECT_EQ(EntryLog::height, 284);
}

TEST(Canvas, LendsForTheGuardsLifeAndThenGivesBackWhatWasLentBefore) {
    CVeSTCanvas canvas;
    COffscreenContext outer(nullptr, 4, 4), inner(nullptr, 4, 4);
    EXPECT_EQ(canvas.active(), nullptr);
    {
        const CVeSTCanvas::Lend first(canvas, &outer);
        {
            const CVeSTCanvas::Lend second(canvas, &inner);
            EXPECT_EQ(canvas.lentContext(), &inner);
        }
        EXPECT_EQ(canvas.lentContext(), &outer);
        EXPECT_EQ(canvas.active(), &canvas);
    }
    EXPECT_EQ(canvas.active(), nullptr);
}

TEST_F(EditorEntries, DrawWithoutTheDrawEntryLeavesTheContextNull) {
    shell->callbacks.onDraw = nullptr;
    CVeSTView view(ViewRect(0, 0, 600, 284), shell);
    COffscreenContext context(nullptr, 600, 284);
    view.draw(&context);
    EXPECT_TRUE(EntryLog::calls.empty());
    EXPECT_EQ(shell->canvas.lentContext(), nullptr);
}

TEST_F(EditorEntries, MouseAndKeysGoToTheirEntriesAndCountAsHandledEvenWithoutThem) {
    CVeSTView view(ViewRect(0, 0, 600, 284), shell);
    ViewPoint where(12.5, 40);
    EXPECT_EQ(view.onMouseDown(where, kLButton | kShift), kMouseEventHandled);
    EXPECT_EQ(EntryLog::buttons, kLButton | kShift);
    EXPECT_EQ(EntryLog::x, 12.5);
    EXPECT_EQ(EntryLog::y, 40);
    EXPECT_EQ(view.onMouseMoved(where, kLButton), kMouseEventHandled);
    EXPECT_EQ(view.onMouseUp(where, 0), kMouseEventHandled);
    ViewPoint entered(520, 90); // the frame's first move onto the view is a move too
    EXPECT_EQ(view.onMouseEntered(entered, 0), kMouseEventHandled);
    EXPECT_EQ(EntryLog::x, 520);
    EXPECT_EQ(EntryLog::y, 90);
    KeyCode key{'q', 7, 1};
    EXPECT_EQ(view.onKeyDown(key), 1);
    EXPECT_EQ(EntryLog::character, 'q');
    EXPECT_EQ(EntryLog::modifiers, 1);
    EXPECT_EQ(EntryLog::virtualKey, 7);
    EXPECT_EQ(view.onKeyUp(key), 1);
    EXPECT_EQ(EntryLog::calls,
              (std::vector<std::string>{"down", "moved", "up", "moved", "key", "key"}));

    shell->callbacks.onMouseDown = nullptr;
    shell->callbacks.onKeyDown = nullptr;
    EXPECT_EQ(view.onMouseDown(where, kLButton), kMouseEventHandled);
    EXPECT_EQ(view.onKeyDown(key), 1);
    EXPECT_EQ(EntryLog::calls.size(), 6u);
}

TEST_F(EditorEntries, IdleBeforeOpenRunsNeitherTheHookNorTheFrame) {
    dispatch(effEditIdle);
    editor->idle();
    EXPECT_TRUE(EntryLog::calls.empty());
    EXPECT_FALSE(editor->repaintView());
}

TEST_F(EditorEntries, OpenWithoutADisplayAnswersZeroAndKeepsNothing) {
    const char* saved = std::getenv("DISPLAY");
    const std::string display = saved != nullptr ? saved : "";
    unsetenv("DISPLAY");
    EXPECT_EQ(dispatch(effEditOpen, reinterpret_cast<void*>(uintptr_t(0x1234))), 0);
    EXPECT_EQ(editor->getFrame(), nullptr);
    EXPECT_EQ(editor->getView(), nullptr);
    EXPECT_FALSE(editor->isOpen());
    dispatch(effEditIdle); // closed: nothing happens
    dispatch(effEditClose);
    EXPECT_TRUE(EntryLog::calls.empty());
    EXPECT_EQ(dispatch(effEditOpen, nullptr), 0); // no parent at all
    if (saved != nullptr) setenv("DISPLAY", display.c_str(), 1);
}

TEST_F(EditorEntries, RectIsTheEditorSizeAndKeysWithoutFrameAreNotTaken) {
    ERect* rect = nullptr;
    EXPECT_EQ(dispatch(effEditGetRect, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, RecordingRuntime::kEditorHeight);
    EXPECT_EQ(rect->right, RecordingRuntime::kEditorWidth);
    KeyCode key{'a', 0, 0};
    EXPECT_FALSE(editor->onKeyDown(key));
    EXPECT_FALSE(editor->onKeyUp(key));
    EXPECT_FALSE(editor->onWheel(1.0f));
    editor->draw(nullptr); // nothing to draw into: no effect, no crash
    EXPECT_TRUE(EntryLog::calls.empty());
}

// ---- the base editor's timing and its frame ------------------------------------

struct FakeClock {
    static inline uint32_t now = 0;
    static inline std::vector<uint32_t> sleeps;
    static uint32_t ticks() { return now; }
    static void sleep(uint32_t ms) { sleeps.push_back(ms); }
};

// A base editor with a frame that has no window (closed by the base), and
// idle counted.
class CountingEditor : public AEffGUIEditor {
  public:
    CountingEditor() : AEffGUIEditor(nullptr) { setClock(FakeClock::ticks, FakeClock::sleep); }
    void idle() override {
        ++idles;
        AEffGUIEditor::idle();
    }
    void makeFrame() { frame = new CFrame(ViewRect(0, 0, 600, 284), nullptr, this); }
    uint32_t& nextIdle() { return nextIdleTime; }
    int idles = 0;
};

class PumpIdle : public ::testing::Test {
  protected:
    void SetUp() override { FakeClock::sleeps.clear(); }
};

TEST_F(PumpIdle, SixtyMillisecondsEarlySleepsFourAndReturnsWithoutIdle) {
    CountingEditor editor;
    FakeClock::now = 1000;
    editor.nextIdle() = 1060;
    editor.pumpIdle();
    EXPECT_EQ(FakeClock::sleeps, std::vector<uint32_t>{4});
    EXPECT_EQ(editor.idles, 0);
    EXPECT_EQ(editor.nextIdle(), 1060u);
}

TEST_F(PumpIdle, FortyMillisecondsEarlySleepsFourThenRunsTheWholeCycle) {
    CountingEditor editor;
    FakeClock::now = 1000;
    editor.nextIdle() = 1040;
    editor.pumpIdle();
    EXPECT_EQ(FakeClock::sleeps, std::vector<uint32_t>{4});
    EXPECT_EQ(editor.idles, 1);
    EXPECT_EQ(editor.nextIdle(), 1004u + 100u);
}

TEST_F(PumpIdle, DueTimeRunsAtOnceWithoutSleepingAndComparesUnsigned) {
    CountingEditor editor;
    FakeClock::now = 5000;
    editor.nextIdle() = 4000;
    editor.pumpIdle();
    EXPECT_TRUE(FakeClock::sleeps.empty());
    EXPECT_EQ(editor.idles, 1);
    EXPECT_EQ(editor.nextIdle(), 5100u);
    // Close to the wrap of the 32-bit tick count: 0xFFFFFFF0 + 100 wraps
    // to 84, which is below now, so the next call runs at once again.
    FakeClock::now = 0xFFFFFFF0u;
    editor.pumpIdle();
    EXPECT_EQ(editor.nextIdle(), 84u);
    editor.pumpIdle();
    EXPECT_EQ(editor.idles, 3);
}

TEST(EditorBase, KnobModeIsSharedByAllEditorsOfTheProcess) {
    CountingEditor first, second;
    EXPECT_TRUE(first.setKnobMode(2));
    EXPECT_EQ(second.getKnobMode(), 2);
    second.makeFrame();
    EXPECT_EQ(second.getFrame()->getKnobMode(), 2);
    first.setKnobMode(0);
}

// The host's rectangle may come with its corners swapped.
TEST(EditorBase, DrawNormalisesTheHostRectangle) {
    CountingEditor editor;
    editor.makeFrame();
    auto* view = new RecordingView(ViewRect(0, 0, 600, 284));
    editor.getFrame()->addView(view);
    struct ClipSpy : RecordingView {
        using RecordingView::RecordingView;
        void drawRect(CDrawContext*, const ViewRect& rect) override { seen.push_back(rect); }
        std::vector<ViewRect> seen;
    };
    auto* spy = new ClipSpy(ViewRect(0, 0, 600, 284));
    editor.getFrame()->addView(spy);
    ERect swapped{20, 50, 5, 10}; // top, left, bottom, right
    editor.draw(&swapped);
    ASSERT_EQ(spy->seen.size(), 1u);
    EXPECT_EQ(spy->seen[0], ViewRect(10, 5, 50, 20));
    editor.draw(nullptr);
    ASSERT_EQ(spy->seen.size(), 2u);
    EXPECT_EQ(spy->seen[1], ViewRect(0, 0, 600, 284));
}

} // namespace
