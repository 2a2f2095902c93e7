// The editor at a content scale: at the system's DPI (the suite runs these
// cases once more in a Wine prefix whose DPI is 192), after the window
// lands on a monitor of another DPI, and at the scale a host sends with the
// VST 2.x vendor call. Each time the window is the panel times the scale
// and a drag of 20 panel pixels up on Output raises it by exactly 10 dB.
#include "EditorSession.h"
#include "PanelCompare.h"
#include "effect/panel/PanelLayout.h"

#include <cmath>

namespace {

using gravelo::panel_layout::kHeight;
using gravelo::panel_layout::kWidth;
constexpr auto kOutputKnob = gravelo::panel_layout::kKnobs[1];
constexpr VstInt32 kScaleCallIndex = ('P' << 24) | ('r' << 16) | ('e' << 8) | 'S';
constexpr VstIntPtr kScaleCallValue = ('A' << 24) | ('e' << 16) | ('C' << 8) | 's';
constexpr UINT kDpiChanged = 0x02E0; // WM_DPICHANGED

int scaled(double length, double scale) {
    return int(std::lround(length * scale));
}

std::string sizeText(SIZE size) {
    return std::to_string(size.cx) + " x " + std::to_string(size.cy);
}

gravelo::vsthost::Host& hostOf(AEffect* effect) {
    return *static_cast<gravelo::vsthost::Host*>(effect->user);
}

// The window is the panel at scale; the host's rectangle says the same.
void checkSize(EditorSession& s, double scale, const std::string& when) {
    const SIZE expected{scaled(kWidth, scale), scaled(kHeight, scale)};
    const SIZE size = s.childSize();
    check(size.cx == expected.cx && size.cy == expected.cy,
          when + ": the window is " + sizeText(size) + ", not " + sizeText(expected));
    ERect* rect = nullptr;
    s.effect->dispatcher(s.effect, effEditGetRect, 0, 0, &rect, 0.0f);
    check(rect != nullptr && rect->right - rect->left == expected.cx &&
              rect->bottom - rect->top == expected.cy,
          when + ": effEditGetRect tells the window's size");
}

// The last size the plug-in asked the host for, as audioMasterSizeWindow.
SIZE askedSize(AEffect* effect) {
    SIZE asked{0, 0};
    for (const gravelo::vsthost::HostCall& call : hostOf(effect).calls)
        if (call.opcode == audioMasterSizeWindow) asked = {call.index, LONG(call.value)};
    return asked;
}

void checkAsked(EditorSession& s, double scale, const std::string& when) {
    const SIZE asked = askedSize(s.effect);
    check(asked.cx == scaled(kWidth, scale) && asked.cy == scaled(kHeight, scale),
          when + ": the host was asked for " + sizeText(asked));
}

// Output from -10 dB up by a drag of 20 panel pixels, made of physical ones.
void checkDrag(EditorSession& s, double scale, const std::string& when) {
    AEffect* e = s.plugin();
    e->setParameter(e, 1, 0.25f);
    s.host->pump(e, kFrameWait);
    check(s.display(1) == "-10.00", when + ": Output starts at -10.00");
    dragUp(s, scaled(kOutputKnob.centreX(), scale), scaled(kOutputKnob.centreY(), scale),
           scaled(20, scale), 5);
    check(s.display(1) == "0.00", when + ": a drag of " + std::to_string(scaled(20, scale)) +
                                      " pixels up gives +10 dB, Output shows " + s.display(1));
}

void openAt(EditorSession& s) {
    startInstance(s);
    AEffect* e = s.plugin();
    ERect* rect = nullptr;
    e->dispatcher(e, effEditGetRect, 0, 0, &rect, 0.0f);
    check(rect != nullptr, "a rectangle before the editor opens");
    s.host->resize(rect->right - rect->left, rect->bottom - rect->top);
    check(e->dispatcher(e, effEditOpen, 0, 0, s.host->handle(), 0.0f) == 1, "editor opened");
    s.host->pump(e, 200);
    check(s.child() != nullptr, "a child window");
}

void closeEditor(EditorSession& s) {
    if (s.effect == nullptr) return;
    s.effect->dispatcher(s.effect, effEditClose, 0, 0, nullptr, 0.0f);
    s.host->pump(s.effect, 50);
    PluginLibrary::destroy(s.effect);
    s.effect = nullptr;
}

void sendDpi(EditorSession& s, UINT dpi) {
    RECT suggested{0, 0, scaled(kWidth, dpi / 96.0), scaled(kHeight, dpi / 96.0)};
    SendMessageW(s.child(), kDpiChanged, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    s.host->pump(s.effect, 2 * kFrameWait);
}

void atSystemDpi(EditorSession& s, int dpi) {
    HDC screen = GetDC(nullptr);
    const int systemDpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    check(systemDpi == dpi, "the system's DPI is " + std::to_string(systemDpi) + ", not " +
                                std::to_string(dpi) + " as this run expects");
    const double scale = dpi / 96.0;
    openAt(s);
    checkSize(s, scale, "at " + std::to_string(dpi) + " DPI");
    checkDrag(s, scale, "at " + std::to_string(dpi) + " DPI");
    // After the drag the window shows what the offscreen picture of the
    // same state at the same scale shows.
    s.host->pump(s.effect, 200);
    const SIZE size = s.childSize();
    const std::vector<uint32_t> window = capturePixels(s.child(), size.cx, size.cy);
    const std::string saveAs =
        s.pictures.empty() ? "" : s.pictures + "\\panel-" + std::to_string(dpi) + "dpi";
    const PixelComparison result = compareWithOffscreen(s.effect, window, saveAs, scale);
    note(sizeText(size) + ", " + std::to_string(result.outsideText) +
         " differing pixels outside text, " + std::to_string(result.insideText) + " in text");
    check(result.outsideText == 0, "the window differs from the offscreen picture");
}

// The window lands on a monitor of 1.5 times the DPI it has, and back.
void dpiChanges(EditorSession& s, int dpi) {
    check(s.child() != nullptr, "no editor (an earlier case failed)");
    const UINT other = UINT(dpi * 3 / 2);
    sendDpi(s, other);
    checkSize(s, other / 96.0, "at " + std::to_string(other) + " DPI");
    checkAsked(s, other / 96.0, "at " + std::to_string(other) + " DPI");
    checkDrag(s, other / 96.0, "at " + std::to_string(other) + " DPI");
    sendDpi(s, UINT(dpi));
    checkSize(s, dpi / 96.0, "back at " + std::to_string(dpi) + " DPI");
    checkAsked(s, dpi / 96.0, "back at " + std::to_string(dpi) + " DPI");
}

// The host's scale comes before the system's: a later DPI change keeps it.
void hostScale(EditorSession& s, int dpi) {
    AEffect* e = s.plugin();
    check(e->dispatcher(e, effVendorSpecific, kScaleCallIndex, kScaleCallValue, nullptr, 2.5f) == 1,
          "the vendor call with scale 2.5 answered 1");
    s.host->pump(e, 2 * kFrameWait);
    checkSize(s, 2.5, "at the host's scale 2.5");
    checkAsked(s, 2.5, "at the host's scale 2.5");
    sendDpi(s, UINT(dpi * 3 / 2));
    checkSize(s, 2.5, "at the host's scale 2.5 after a DPI change");
    checkDrag(s, 2.5, "at the host's scale 2.5");
    closeEditor(s);
}

} // namespace

void addScaleCases(std::vector<Case>& cases, const HostOptions& options) {
    auto session = std::make_shared<EditorSession>();
    session->library = std::make_shared<PluginLibrary>(options.dllPath);
    session->pictures = options.pictureOut;
    const int dpi = options.systemDpi;
    const std::string at = " (" + std::to_string(dpi) + " DPI)";
    cases.push_back({"scaled editor: the window at the system's DPI takes the drag" + at,
                     [session, dpi] { atSystemDpi(*session, dpi); }});
    cases.push_back({"scaled editor: WM_DPICHANGED resizes and tells the host" + at,
                     [session, dpi] { dpiChanges(*session, dpi); }});
    cases.push_back({"scaled editor: the host's vendor call comes before the system" + at,
                     [session, dpi] { hostScale(*session, dpi); }});
}
