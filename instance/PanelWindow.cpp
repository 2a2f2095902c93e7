#include "instance/PanelWindow.h"

#include "editor/CVeSTCanvas.h"
#include "editor/FrameEditor.h"
#include "effect/Amplifier.h"
#include "instance/AmpInstance.h"
#include "instance/InstanceShell.h"
#include "toolkit/CFrame.h"

namespace gravelo::instance {

// The frame editor whose new window sizes reach the panel's listener.
class PanelEditor final : public FrameEditor {
  public:
    PanelEditor(VeSTEditorClient* drawn, int32_t unitsWide, int32_t unitsHigh, PanelListener& owner)
        : FrameEditor(drawn, unitsWide, unitsHigh), listener(owner) {}

  private:
    void hostResize(int32_t windowWidth, int32_t windowHeight) override {
        listener.panelResized(windowWidth, windowHeight);
    }

    PanelListener& listener;
};

PanelWindow::PanelWindow(AmpInstance& instance, PanelListener& owner)
    : amp(instance), listener(owner), canvas(std::make_unique<CVeSTCanvas>()),
      editor(std::make_unique<PanelEditor>(this, instance.amplifier().panelWidth(),
                                           instance.amplifier().panelHeight(), owner)) {}

PanelWindow::~PanelWindow() {
    close();
    editor.reset();
    canvas->fonts().release();
}

bool PanelWindow::open(void* parent) {
    if (isOpen() || parent == nullptr) return false;
    if (!editor->openFrame(parent)) return false;
    amp.host().setPanelShown(true);
    // The knobs start from the values the controls hold now, and move in the
    // steps the host's values take.
    amp.amplifier().showPanel();
    for (int i = 0; i < AmpInstance::kControlCount; ++i) {
        hostChangesSeen[static_cast<size_t>(i)] = amp.hostChanges(i);
        reported[static_cast<size_t>(i)] = amp.control(i);
    }
    return true;
}

void PanelWindow::close() {
    wheelTurned = false;
    endGestures();
    editor->closeFrame();
    amp.host().setPanelShown(false);
}

bool PanelWindow::isOpen() const {
    return editor->getFrame() != nullptr;
}

void* PanelWindow::nativeWindow() const {
    return isOpen() ? editor->getFrame()->getNativeWindow() : nullptr;
}

int PanelWindow::eventDescriptor() const {
    return isOpen() ? editor->getFrame()->getEventDescriptor() : -1;
}

void PanelWindow::setHostScale(double scale) {
    editor->setHostScale(scale);
}

void PanelWindow::fitHostWindow(int windowWidth, int windowHeight) {
    editor->fitHostWindow(windowWidth, windowHeight);
}

void PanelWindow::fittedSize(int& windowWidth, int& windowHeight) const {
    editor->fittedSize(windowWidth, windowHeight);
}

double PanelWindow::contentScale() const {
    return editor->getContentScale();
}

int PanelWindow::windowWidth() const {
    return editor->getWindowWidth();
}

int PanelWindow::windowHeight() const {
    return editor->getWindowHeight();
}

// The drawing services act only while the canvas holds the context, so it
// is lent for exactly the length of the graphics hook.
void PanelWindow::onDraw(VSTGUI::CDrawContext* context, double, double) {
    const CVeSTCanvas::Lend lent(*canvas, context);
    amp.host().lendDrawing(canvas->active());
    amp.amplifier().drawPanel();
    amp.host().lendDrawing(nullptr);
}

void PanelWindow::onMouseDown(double x, double y, int32_t buttons) {
    amp.amplifier().mouseDown(x, y, buttons);
}

void PanelWindow::onMouseUp(double x, double y, int32_t) {
    amp.amplifier().mouseUp(x, y);
}

void PanelWindow::onMouseMoved(double x, double y, int32_t) {
    amp.amplifier().mouseMoved(x, y);
}

bool PanelWindow::onWheel(double x, double y, float notches, int32_t) {
    amp.amplifier().mouseWheel(x, y, notches);
    lastNotch = std::chrono::steady_clock::now();
    wheelTurned = true;
    return true;
}

bool PanelWindow::wheelTurning() {
    if (wheelTurned &&
        std::chrono::steady_clock::now() - lastNotch >= std::chrono::milliseconds(kWheelRestMs))
        wheelTurned = false;
    return wheelTurned;
}

// The runtime's idle hook decides whether a repaint is due.
bool PanelWindow::onEditorIdle() {
    amp.amplifier().idlePanel();
    return amp.host().takeRepaint();
}

void PanelWindow::tick() {
    if (!isOpen()) return;
    noteHostChanges();
    editor->idle(); // the runtime's repaint timer, then the window's events and paint
    reportPanelChanges();
    // A release ends the gestures once the panel has drawn it; a wheel turn
    // once the wheel rests.
    if (!amp.amplifier().mouseHeld() && !wheelTurning()) endGestures();
}

// The knobs take a host's changes in the panel's own frame; the host knows
// those values already, so they are not reported back as the panel's.
void PanelWindow::noteHostChanges() {
    for (int i = 0; i < AmpInstance::kControlCount; ++i) {
        const uint32_t count = amp.hostChanges(i);
        if (count == hostChangesSeen[static_cast<size_t>(i)]) continue;
        hostChangesSeen[static_cast<size_t>(i)] = count;
        reported[static_cast<size_t>(i)] = amp.lastHostValue(i);
    }
}

// A control that moved since it was last reported, without a host change,
// is the panel's. The panel moves it inside the tick where the window's
// events are taken in the tick (X11), and between ticks where the host's
// message loop hands them to the window (Win32).
void PanelWindow::reportPanelChanges() {
    for (int i = 0; i < AmpInstance::kControlCount; ++i) {
        const size_t k = static_cast<size_t>(i);
        const double now = amp.control(i);
        if (now == reported[k] || amp.hostChanges(i) != hostChangesSeen[k]) continue;
        if (!grabbed[k]) listener.panelGestureBegin(i);
        grabbed[k] = true;
        reported[k] = now;
        listener.panelValue(i, now);
    }
}

void PanelWindow::endGestures() {
    for (int i = 0; i < AmpInstance::kControlCount; ++i) {
        if (!grabbed[static_cast<size_t>(i)]) continue;
        grabbed[static_cast<size_t>(i)] = false;
        listener.panelGestureEnd(i);
    }
}

} // namespace gravelo::instance
