// The panel embedded through the gui extension. The host's timer support
// gives it its idle tick; where the window system has an event descriptor
// (X11) the host also polls that, so input is handled without waiting for
// the next tick. Everything registered is unregistered before the window
// (and with it the descriptor's connection) goes.
#include "clap/ClapGui.h"

#include "clap/ClapAmp.h"
#include "instance/PanelWindow.h"

#include <cstring>

namespace gravelo::clap {

namespace {

constexpr uint32_t kTickMs = 1000 / instance::PanelWindow::kTickRate;

class PanelGui final : public ClapGui, private instance::PanelListener {
  public:
    explicit PanelGui(ClapAmp& amp) : owner(amp), window(amp.amp, *this) {}

    ~PanelGui() override {
        const clap_host* host = owner.host;
        if (descriptor >= 0) owner.hostExtensions.fds->unregister_fd(host, descriptor);
        if (timer != CLAP_INVALID_ID) owner.hostExtensions.timers->unregister_timer(host, timer);
        window.close();
    }

    bool setParent(const clap_window& parent) override {
        if (window.isOpen()) return false;
        void* handle = std::strcmp(parent.api, CLAP_WINDOW_API_X11) == 0
                           ? reinterpret_cast<void*>(static_cast<uintptr_t>(parent.x11))
                           : parent.win32;
        if (!window.open(handle)) return false;
        const HostExtensions& host = owner.hostExtensions;
        if (!host.timers->register_timer(owner.host, kTickMs, &timer)) timer = CLAP_INVALID_ID;
        const int fd = window.eventDescriptor();
        if (fd >= 0 && host.fds != nullptr && host.fds->register_fd != nullptr &&
            host.fds->register_fd(owner.host, fd, CLAP_POSIX_FD_READ))
            descriptor = fd;
        return true;
    }

    bool show() override {
        visible = true;
        return window.isOpen();
    }

    bool hide() override {
        visible = false;
        return true;
    }

    void setScale(double scale) override { window.setHostScale(scale); }

    void size(uint32_t& width, uint32_t& height) const override {
        width = static_cast<uint32_t>(window.windowWidth());
        height = static_cast<uint32_t>(window.windowHeight());
    }

    void adjust(uint32_t& width, uint32_t& height) const override {
        int w = clampToInt(width), h = clampToInt(height);
        window.fittedSize(w, h);
        width = static_cast<uint32_t>(w);
        height = static_cast<uint32_t>(h);
    }

    bool setSize(uint32_t width, uint32_t height) override {
        uint32_t w = width, h = height;
        adjust(w, h);
        if (w != width || h != height) return false;
        window.fitHostWindow(static_cast<int>(width), static_cast<int>(height));
        return true;
    }

    // Hidden, the panel is not redrawn; its events are still taken, since
    // the host keeps polling a descriptor that has any waiting.
    void onTimer(clap_id id) override {
        if (id == timer && visible) window.tick();
    }

    void onFd(int fd, uint32_t /*flags*/) override {
        if (fd == descriptor) window.tick();
    }

  private:
    void queue(EditorRecord::Kind kind, int control, double value) {
        owner.editorQueue.push({kind, static_cast<uint32_t>(control), value});
        owner.editorRecordsQueued();
    }
    void panelGestureBegin(int control) override { queue(EditorRecord::GestureBegin, control, 0); }
    void panelValue(int control, double value) override {
        queue(EditorRecord::Value, control, value);
    }
    void panelGestureEnd(int control) override { queue(EditorRecord::GestureEnd, control, 0); }
    void panelResized(int width, int height) override {
        const clap_host_gui* gui = owner.hostExtensions.gui;
        if (gui != nullptr && gui->request_resize != nullptr)
            gui->request_resize(owner.host, static_cast<uint32_t>(width),
                                static_cast<uint32_t>(height));
    }
    static int clampToInt(uint32_t length) {
        return length > 100000u ? 100000 : static_cast<int>(length);
    }

    ClapAmp& owner;
    instance::PanelWindow window;
    clap_id timer = CLAP_INVALID_ID;
    int descriptor = -1;
    bool visible = false;
};

} // namespace

const char* ClapGui::windowApi() {
    return GRAVELO_CLAP_WINDOW_API;
}

bool ClapGui::hostCanRun(const ClapAmp& owner) {
    const clap_host_timer_support* timers = owner.hostExtensions.timers;
    return timers != nullptr && timers->register_timer != nullptr &&
           timers->unregister_timer != nullptr;
}

std::unique_ptr<ClapGui> ClapGui::create(ClapAmp& owner) {
    if (!hostCanRun(owner)) return nullptr;
    return std::make_unique<PanelGui>(owner);
}

} // namespace gravelo::clap
