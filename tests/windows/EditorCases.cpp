// The editor in a window this host made: open, idle and repaint, a knob
// drag made of real window messages, the window's pixels against the
// offscreen picture, close and reopen.
#include "EditorSession.h"
#include "PanelCompare.h"
#include "effect/panel/PanelLayout.h"

namespace {

using gravelo::panel_layout::kHeight;
using gravelo::panel_layout::kWidth;
constexpr auto kOutputKnob = gravelo::panel_layout::kKnobs[1];
constexpr int kOutputKnobX = int(kOutputKnob.centreX()), kOutputKnobY = int(kOutputKnob.centreY());

void openEditor(EditorSession& s) {
    startInstance(s);
    AEffect* e = s.plugin();
    ERect* rect = nullptr;
    e->dispatcher(e, effEditGetRect, 0, 0, &rect, 0.0f);
    check(rect != nullptr && rect->right - rect->left == kWidth &&
              rect->bottom - rect->top == kHeight,
          "600 x 284");
    check(e->dispatcher(e, effEditOpen, 0, 0, s.host->handle(), 0.0f) == 1,
          "effEditOpen answered 1");
    HWND child = s.child();
    check(child != nullptr, "a child window named \"Window\" in the host's window");
    wchar_t className[64] = {};
    GetClassNameW(child, className, 64);
    check(std::wstring(className).rfind(L"Plugin", 0) == 0, "class name starts with Plugin");
    RECT client{};
    GetClientRect(child, &client);
    check(client.right == kWidth && client.bottom == kHeight, "child window is 600 x 284");
    check((GetClassLongW(child, GCL_STYLE) & CS_DBLCLKS) != 0, "the class takes double clicks");
}

void idleAndRepaint(EditorSession& s) {
    AEffect* e = s.plugin();
    s.host->pump(e, 300);
    const std::vector<uint32_t> first = capturePixels(s.child(), kWidth, kHeight);
    check(first.size() == size_t(kWidth) * kHeight, "pixels read back");
    size_t distinct = 0;
    for (uint32_t p : first)
        distinct += p != first[0];
    check(distinct > size_t(kWidth) * kHeight / 10, "the panel is drawn (not one flat colour)");
    InvalidateRect(s.child(), nullptr, TRUE);
    UpdateWindow(s.child());
    check(GetUpdateRect(s.child(), nullptr, FALSE) == FALSE, "a repaint leaves nothing to paint");
}

void click(EditorSession& s, int x, int y) {
    post(s.child(), WM_LBUTTONDOWN, MK_LBUTTON, x, y, kFrameWait, s);
    check(GetCapture() == s.child(), "the press captured the mouse");
    post(s.child(), WM_LBUTTONUP, 0, x, y, kFrameWait, s);
    check(GetCapture() != s.child(), "the release let the mouse go");
}

// From outside the window first, then right after a click elsewhere on the
// panel (on the build label), the pointer comes onto the knob in one jump,
// as tablets, remote desktops and automation tools move it: one move
// message, the window system's own. It rests there for several frames.
// Then a click leaves Output as it is and a 20-pixel drag up raises it by
// 10 dB.
void knobDrag(EditorSession& s) {
    AEffect* e = s.plugin();
    HWND child = s.child();
    e->setParameter(e, 1, 0.25f);
    check(s.display(1) == "-10.00", "Output starts at -10.00, shows " + s.display(1));
    const char* expected[2][2] = {{"-10.00", "0.00"}, {"0.00", "10.00"}};
    for (int round = 0; round < 2; ++round) {
        const std::string when = round == 0 ? " (from outside)" : " (after a click elsewhere)";
        if (round == 0) {
            pointTo(child, kWidth + 20, kHeight + 20);
            s.host->pump(e, kFrameWait);
        } else {
            post(child, WM_MOUSEMOVE, 0, 30, 262, kFrameWait, s);
            click(s, 30, 262);
        }
        pointTo(child, kOutputKnobX, kOutputKnobY);
        s.host->pump(e, 2 * kFrameWait);
        click(s, kOutputKnobX, kOutputKnobY);
        check(s.display(1) == expected[round][0],
              "a click left Output as it was" + when + ", shows " + s.display(1));
        post(child, WM_LBUTTONDOWN, MK_LBUTTON, kOutputKnobX, kOutputKnobY, kFrameWait, s);
        for (int step = 1; step <= 5; ++step)
            post(child, WM_MOUSEMOVE, MK_LBUTTON, kOutputKnobX, kOutputKnobY - 4 * step, kFrameWait,
                 s);
        post(child, WM_LBUTTONUP, 0, kOutputKnobX, kOutputKnobY - 20, kFrameWait, s);
        check(s.display(1) == expected[round][1],
              "a 20-pixel drag up raised Output by 10" + when + ", shows " + s.display(1));
    }
}

// The button goes up 0 to 5 ms after the last motion, both messages waiting
// for the same turn of the host's loop: the drag still ends exactly where
// the pointer went up, ten times in a row.
void quickReleases(EditorSession& s) {
    AEffect* e = s.plugin();
    HWND child = s.child();
    for (int round = 0; round < 10; ++round) {
        e->setParameter(e, 1, 0.5f); // Output at 0 dB
        post(child, WM_MOUSEMOVE, 0, kOutputKnobX, kOutputKnobY, kFrameWait, s);
        post(child, WM_LBUTTONDOWN, MK_LBUTTON, kOutputKnobX, kOutputKnobY, kFrameWait, s);
        for (int step = 1; step <= 3; ++step)
            post(child, WM_MOUSEMOVE, MK_LBUTTON, kOutputKnobX, kOutputKnobY - 5 * step, kFrameWait,
                 s);
        pointTo(child, kOutputKnobX, kOutputKnobY - 20);
        PostMessageW(child, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(kOutputKnobX, kOutputKnobY - 20));
        Sleep(DWORD(round % 6));
        PostMessageW(child, WM_LBUTTONUP, 0, MAKELPARAM(kOutputKnobX, kOutputKnobY - 20));
        s.host->pump(e, 2 * kFrameWait);
        check(s.display(1) == "10.00", "round " + std::to_string(round) +
                                           ": a quick 20-pixel drag up shows " + s.display(1));
    }
}

void pixelsMatch(EditorSession& s) {
    AEffect* e = s.plugin();
    InvalidateRect(s.child(), nullptr, TRUE);
    s.host->pump(e, 200);
    const std::vector<uint32_t> window = capturePixels(s.child(), kWidth, kHeight);
    check(window.size() == size_t(kWidth) * kHeight, "pixels read back");
    const PixelComparison result =
        compareWithOffscreen(e, window, s.pictures.empty() ? "" : s.pictures + "\\panel");
    note(std::to_string(result.outsideText) + " differing pixels outside text, " +
         std::to_string(result.insideText) + " in text areas, of " +
         std::to_string(result.compared));
    check(result.outsideText == 0, "window and offscreen picture differ outside the text areas");
}

void closeAndReopen(EditorSession& s) {
    AEffect* e = s.plugin();
    e->dispatcher(e, effEditClose, 0, 0, nullptr, 0.0f);
    s.host->pump(e, 50);
    check(s.child() == nullptr, "closing removed the child window");
    check(e->dispatcher(e, effEditOpen, 0, 0, s.host->handle(), 0.0f) == 1, "reopened");
    s.host->pump(e, 300);
    check(s.child() != nullptr, "a new child window");
    check(s.display(1) == "10.00", "Output kept its value");
    const std::vector<uint32_t> window = capturePixels(s.child(), kWidth, kHeight);
    const PixelComparison result = compareWithOffscreen(e, window, "");
    check(result.outsideText == 0, "the reopened window shows the same panel");
    e->dispatcher(e, effEditClose, 0, 0, nullptr, 0.0f);
    s.host->pump(e, 50);
    check(s.child() == nullptr, "closed again");
}

} // namespace

void addEditorCases(std::vector<Case>& cases, const HostOptions& options) {
    auto session = std::make_shared<EditorSession>();
    session->library = std::make_shared<PluginLibrary>(options.dllPath);
    session->pictures = options.pictureOut;
    cases.push_back({"editor opens a 600 x 284 child window in the host's window",
                     [session] { openEditor(*session); }});
    cases.push_back({"editor idles and repaints", [session] { idleAndRepaint(*session); }});
    cases.push_back({"knob click and drag with window messages after a one-jump move onto it",
                     [session] { knobDrag(*session); }});
    cases.push_back({"a release right after the last motion ends the drag where it went up",
                     [session] { quickReleases(*session); }});
    cases.push_back(
        {"window pixels match the offscreen picture", [session] { pixelsMatch(*session); }});
    cases.push_back({"editor closes and reopens", [session] { closeAndReopen(*session); }});
}
