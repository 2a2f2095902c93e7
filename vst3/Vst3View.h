// The editor as a VST 3 view: the amplifier's panel in a child window of the
// host's window, at a fixed size for its content scale (the host's
// setContentScaleFactor, else the system's); a new scale while attached
// asks the frame to resize the view. Its idle tick comes from the host's run
// loop on Linux (a timer, and a watch on the X connection's descriptor, both
// lent through the frame and unregistered on removed) and from a window
// timer on Windows. Knob drags go to the host as begin/perform/end edits;
// a value the host sets moves the knob at the next tick. Main thread only.
#pragma once

#include "instance/PanelWindow.h"
#include "vst3/ReferenceCount.h"
#include "vst3/Vst3Interface.h"

namespace gravelo::vst3 {

class Vst3Amp;

class Vst3View final : public api::IPlugView,
                       public api::IPlugViewContentScaleSupport,
#if !defined(_WIN32)
                       public api::IEventHandler,
                       public api::ITimerHandler,
#endif
                       private instance::PanelListener {
  public:
    // A view with one reference, holding one on its owner; null without memory.
    static Vst3View* create(Vst3Amp& owner);

    api::tresult VST3_API queryInterface(const char* iid, void** object) override;
    uint32_t VST3_API addRef() override;
    uint32_t VST3_API release() override;

    api::tresult VST3_API isPlatformTypeSupported(api::FIDString type) override;
    api::tresult VST3_API attached(void* parent, api::FIDString type) override;
    api::tresult VST3_API removed() override;
    api::tresult VST3_API onWheel(float) override {
        return api::kResultFalse;
    }
    api::tresult VST3_API onKeyDown(api::char16, int16_t, int16_t) override {
        return api::kResultFalse;
    }
    api::tresult VST3_API onKeyUp(api::char16, int16_t, int16_t) override {
        return api::kResultFalse;
    }
    api::tresult VST3_API getSize(api::ViewRect* size) override;
    api::tresult VST3_API onSize(api::ViewRect* size) override;
    api::tresult VST3_API onFocus(api::TBool) override {
        return api::kResultOk;
    }
    api::tresult VST3_API setFrame(api::IPlugFrame* frame) override;
    api::tresult VST3_API canResize() override {
        return api::kResultFalse;
    }
    api::tresult VST3_API checkSizeConstraint(api::ViewRect* rect) override;
    api::tresult VST3_API setContentScaleFactor(float factor) override;

#if !defined(_WIN32)
    void VST3_API onFDIsSet(int fd) override;
    void VST3_API onTimer() override;
#endif
    // The idle tick, from whatever drives it on this platform.
    void tick() {
        window.tick();
    }

  private:
    explicit Vst3View(Vst3Amp& owner);
    ~Vst3View();

    // Per platform (Vst3ViewX11.cpp, Vst3ViewWin32.cpp): the window system's
    // type name, and the tick started after the window opened and stopped
    // before it closes. startTicks false: no tick can be had.
    static const char* platformType();
    bool startTicks();
    void stopTicks();

    void panelGestureBegin(int control) override;
    void panelValue(int control, double value) override;
    void panelGestureEnd(int control) override;
    void panelResized(int width, int height) override;
    api::ViewRect windowRect() const;

    ReferenceCount references;
    Vst3Amp& owner;
    instance::PanelWindow window;
    api::IPlugFrame* frame = nullptr;
    // Linux: the run loop the frame lent, while the ticks run.
    api::IRunLoop* runLoop = nullptr;
    int watchedDescriptor = -1;
    bool timerRegistered = false;
};

} // namespace gravelo::vst3
