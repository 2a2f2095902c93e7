#include "AEffGUIEditor.h"

#include "host/AudioEffectX.h"
#include "toolkit/CFrame.h"

#include <chrono>
#include <thread>

namespace {

VstInt32 knobMode = 0; // shared by every editor of the process

uint32_t steadyTicks() {
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void threadSleep(uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace

AEffGUIEditor::AEffGUIEditor(AudioEffect* owner)
    : AEffEditor(owner), ticks(&steadyTicks), sleep(&threadSleep) {
    if (owner != nullptr) owner->setEditor(this);
    nextIdleTime = ticks();
    // Each editor holds the window system's drag-and-drop set-up (the OLE
    // apartment on Windows) for its whole life.
    VSTGUI::platform::enterDragAndDrop();
}

AEffGUIEditor::~AEffGUIEditor() {
    VSTGUI::platform::leaveDragAndDrop();
}

void AEffGUIEditor::setClock(TickSource tickSource, Sleep sleeper) {
    ticks = tickSource;
    sleep = sleeper;
}

bool AEffGUIEditor::getRect(ERect** out) {
    if (out != nullptr) *out = &rect;
    return true;
}

// While pumpIdle is inside the host's idle request the frame is left
// alone: the host may call back into the editor from there.
void AEffGUIEditor::idle() {
    if (!inIdle && frame != nullptr) frame->idle();
}

bool AEffGUIEditor::onKeyDown(KeyCode& key) {
    return frame != nullptr && frame->onKeyDown(key) > 0;
}

bool AEffGUIEditor::onKeyUp(KeyCode& key) {
    return frame != nullptr && frame->onKeyUp(key) > 0;
}

bool AEffGUIEditor::onWheel(float distance) {
    if (frame == nullptr) return false;
    VSTGUI::ViewPoint where;
    frame->getCurrentMouseLocation(where);
    return frame->onWheel(where, distance, frame->getCurrentMouseButtons());
}

bool AEffGUIEditor::setKnobMode(VstInt32 mode) {
    knobMode = mode;
    return true;
}

int32_t AEffGUIEditor::getKnobMode() const {
    return knobMode;
}

void AEffGUIEditor::draw(ERect* area) {
    if (frame == nullptr) return;
    VSTGUI::ViewRect update = frame->getViewSize();
    if (area != nullptr) {
        update = VSTGUI::ViewRect(area->left, area->top, area->right, area->bottom);
        update.normalise();
    }
    // No context passed: the frame draws into its back buffer and shows it.
    frame->drawRect(nullptr, update);
}

// Keeps the host alive during a legacy mouse loop: at most every 100 ms
// the editor idles and the host gets its idle request; in between it only
// sleeps. Unsigned arithmetic, so the comparisons survive the tick wrap.
void AEffGUIEditor::pumpIdle() {
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
    if (effect != nullptr) static_cast<AudioEffectX*>(effect)->masterIdle();
    inIdle = false;
}

bool AEffGUIEditor::beginEdit(int32_t index) {
    return effect != nullptr && static_cast<AudioEffectX*>(effect)->beginEdit(index);
}

bool AEffGUIEditor::endEdit(int32_t index) {
    return effect != nullptr && static_cast<AudioEffectX*>(effect)->endEdit(index);
}
