// The view's tick on Linux: the host's run loop, which the frame lends while
// an editor is open. A timer at the panel's redraw rate, and a watch on the
// X connection so input is handled without waiting for the timer. A host
// without a run loop gets no editor (a private thread must not touch Xlib),
// and is told why on standard error.
#include "vst3/Vst3View.h"

#include <cstdio>

namespace gravelo::vst3 {

using namespace gravelo::vst3::api;

namespace {

constexpr TimerInterval kTickMs = 1000 / instance::PanelWindow::kTickRate;

} // namespace

const char* Vst3View::platformType() {
    return kPlatformTypeX11;
}

bool Vst3View::startTicks() {
    void* lent = nullptr;
    if (frame == nullptr || frame->queryInterface(iid::IRunLoop.bytes, &lent) != kResultOk ||
        lent == nullptr) {
        std::fprintf(stderr, "Gravelo I: the host offers no run loop; the editor cannot run\n");
        return false;
    }
    runLoop = static_cast<IRunLoop*>(lent); // the reference queryInterface gave
    if (runLoop->registerTimer(static_cast<ITimerHandler*>(this), kTickMs) != kResultOk) {
        std::fprintf(stderr, "Gravelo I: the host's run loop refused a timer\n");
        stopTicks();
        return false;
    }
    timerRegistered = true;
    const int fd = window.eventDescriptor();
    if (fd >= 0 &&
        runLoop->registerEventHandler(static_cast<IEventHandler*>(this), fd) == kResultOk)
        watchedDescriptor = fd;
    return true;
}

void Vst3View::stopTicks() {
    if (runLoop == nullptr) return;
    if (watchedDescriptor >= 0) runLoop->unregisterEventHandler(static_cast<IEventHandler*>(this));
    if (timerRegistered) runLoop->unregisterTimer(static_cast<ITimerHandler*>(this));
    watchedDescriptor = -1;
    timerRegistered = false;
    runLoop->release();
    runLoop = nullptr;
}

void VST3_API Vst3View::onFDIsSet(int fd) {
    if (fd == watchedDescriptor) tick();
}

void VST3_API Vst3View::onTimer() {
    if (timerRegistered) tick();
}

} // namespace gravelo::vst3
