#include "FrameEditor.h"

#include "CVeSTView.h"
#include "VeSTEditorClient.h"
#include "toolkit/CFrame.h"
#include "toolkit/ContentScale.h"

#include <chrono>
#include <cstdlib>
#include <thread>

using namespace VSTGUI;

namespace {

uint32_t steadyTicks() {
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void threadSleep(uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace

FrameEditor::FrameEditor(VeSTEditorClient* owner, int32_t w, int32_t h)
    : client(owner), width(w), height(h), ticks(&steadyTicks), sleep(&threadSleep) {
    nextIdleTime = ticks();
    // Each editor holds the window system's drag-and-drop set-up (the OLE
    // apartment on Windows) for its whole life.
    platform::enterDragAndDrop();
}

// A host that deletes the plug-in with the editor still open gets the
// window and its connection closed here rather than leaked.
FrameEditor::~FrameEditor() {
    closeFrame();
    platform::leaveDragAndDrop();
}

void FrameEditor::setClock(TickSource tickSource, Sleep sleeper) {
    ticks = tickSource;
    sleep = sleeper;
}

bool FrameEditor::openFrame(void* parent) {
    if (frame != nullptr) closeFrame();
    const ViewRect area(0, 0, width, height);
    systemScale = platform::systemContentScale(parent);
    systemScaleKnown = true;
    frame = new CFrame(area, parent, this, chosenScale());
    if (!frame->hasWindow()) {
        closeFrame();
        return false;
    }
    if (client != nullptr) {
        view = new CVeSTView(area, client);
        frame->addView(view); // the frame releases the view when it goes
    }
    return true;
}

void FrameEditor::closeFrame() {
    if (frame != nullptr) frame->forget();
    frame = nullptr;
    view = nullptr;
}

// At a content scale the frame is drawn after the window's events, as a
// repaint would draw it, and only what changed is painted.
void FrameEditor::idle() {
    const bool due =
        view != nullptr && frame != nullptr && client != nullptr && client->onEditorIdle();
    const bool byChanges = due && frame->getContentScale() != 1.0 && view->canRenderFrames();
    if (due && !byChanges) repaintView();
    if (!inIdle && frame != nullptr) frame->idle();
    if (!byChanges) return;
    view->renderFrame();
    if (!inIdle) frame->paintPending();
}

bool FrameEditor::repaintView() {
    if (view == nullptr) return false;
    view->invalidRect(view->getBoundsCopy());
    return true;
}

// ---- content scale ----------------------------------------------------------

double FrameEditor::chosenScale() {
    if (!systemScaleKnown) {
        systemScale = platform::systemContentScale(nullptr);
        systemScaleKnown = true;
    }
    return chooseContentScale(hostScale, systemScale, std::getenv(kScaleOverrideVariable));
}

double FrameEditor::getContentScale() {
    return frame != nullptr ? frame->getContentScale() : chosenScale();
}

int32_t FrameEditor::getWindowWidth() {
    return scaledLength(width, getContentScale());
}

int32_t FrameEditor::getWindowHeight() {
    return scaledLength(height, getContentScale());
}

bool FrameEditor::followScale() {
    if (frame == nullptr) return false;
    const int32_t wasWide = getWindowWidth(), wasHigh = getWindowHeight();
    frame->setContentScale(chosenScale());
    return getWindowWidth() != wasWide || getWindowHeight() != wasHigh;
}

void FrameEditor::setHostScale(double scale) {
    hostScale = scale > 0.0 ? clampContentScale(scale) : 0.0;
    if (followScale()) hostResize(getWindowWidth(), getWindowHeight());
}

void FrameEditor::fitHostWindow(int32_t windowWidth, int32_t windowHeight) {
    hostScale = scaleToFit(width, height, windowWidth, windowHeight);
    followScale();
}

void FrameEditor::fittedSize(int32_t& windowWidth, int32_t& windowHeight) const {
    const double fitted = scaleToFit(width, height, windowWidth, windowHeight);
    windowWidth = scaledLength(width, fitted);
    windowHeight = scaledLength(height, fitted);
}

void FrameEditor::systemScaleChanged(double scale) {
    systemScale = scale;
    systemScaleKnown = true;
    if (followScale()) hostResize(getWindowWidth(), getWindowHeight());
}

// Keeps the host alive during a legacy mouse loop: at most every 100 ms
// the editor idles and the host gets its idle; in between it only sleeps.
// Unsigned arithmetic, so the comparisons survive the tick wrap.
void FrameEditor::pumpIdle() {
    uint32_t now = ticks();
    if (nextIdleTime > now) {
        sleep(kPumpSleepMs);
        now += kPumpSleepMs;
        if (now < nextIdleTime - kPumpEarlyMs) return;
    }
    idle();
    if (frame != nullptr) frame->paintPending();
    nextIdleTime = now + kPumpIntervalMs;
    inIdle = true;
    hostIdle();
    inIdle = false;
}
