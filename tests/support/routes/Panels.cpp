// Each format's panel host: the same calls the formats' own GUI tests make.
#include "ClapTestHost.h"
#include "UiHost.h"
#include "Vst3TestHost.h"
#include "effect/Controls.h"
#include "lv2/Ports.h"
#include "support/routes/PanelRoute.h"
#include "vsthost/Host.h"

#include <array>
#include <chrono>
#include <set>
#include <stdexcept>
#include <thread>

namespace gravelo::test::routes {

namespace {

// Runs `tick` every 5 ms for about ms milliseconds, as a host's loop does.
template <class Tick> void loopFor(int ms, Tick tick) {
    for (int t = 0; t < ms; t += 5) {
        tick();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

double normalised(int index, double value) {
    const ControlDefinition& c = kControls[static_cast<size_t>(index)];
    return (value - c.minimum) / (c.maximum - c.minimum);
}

double plain(int index, double normalisedValue) {
    const ControlDefinition& c = kControls[static_cast<size_t>(index)];
    return c.minimum + normalisedValue * (c.maximum - c.minimum);
}

// VST 2.x: effEditOpen into the window, effEditIdle as the host's timer,
// host changes through setParameter. Its panel reports no gestures.
class Vst2Panel final : public PanelRoute {
  public:
    explicit Vst2Panel(const Entries& entries) {
        if (!host.create(entries.vst2)) throw std::runtime_error("no VST 2.x instance");
        host.start();
    }
    ~Vst2Panel() override { host.dispatch(effEditClose); }
    bool open(void* parent) override { return host.dispatch(effEditOpen, 0, 0, parent) == 1; }
    void idle(int ms) override {
        loopFor(ms, [&] { host.dispatch(effEditIdle); });
    }
    void hostSets(int index, double value) override {
        host.setParameter(index, static_cast<float>(normalised(index, value)));
    }
    double hostValue(int index) override { return plain(index, host.getParameter(index)); }
    bool reportsGestures() const override { return false; }
    std::vector<Gesture> gestures() override { return {}; }

  private:
    vsthost::Host host;
};

// CLAP: the gui extension on X11, timers and descriptors fired by the
// host's loop, host changes and the panel's events through params flush.
class ClapPanel final : public PanelRoute {
  public:
    explicit ClapPanel(const Entries& entries) : library(entries.clap), amp(library, host) {}
    ~ClapPanel() override {
        if (created) amp.gui()->destroy(amp.plugin());
    }
    bool open(void* parent) override {
        clap_window window{};
        window.api = CLAP_WINDOW_API_X11;
        window.x11 = reinterpret_cast<uintptr_t>(parent);
        created = amp.gui()->create(amp.plugin(), CLAP_WINDOW_API_X11, false);
        return created && amp.gui()->set_parent(amp.plugin(), &window) &&
               amp.gui()->show(amp.plugin());
    }
    void idle(int ms) override {
        const auto* timer = amp.extension<clap_plugin_timer_support>(CLAP_EXT_TIMER_SUPPORT);
        const auto* fd = amp.extension<clap_plugin_posix_fd_support>(CLAP_EXT_POSIX_FD_SUPPORT);
        loopFor(ms, [&] {
            for (clap_id id : std::set<clap_id>(host.timers))
                timer->on_timer(amp.plugin(), id);
            for (int d : std::set<int>(host.descriptors))
                fd->on_fd(amp.plugin(), d, CLAP_POSIX_FD_READ);
        });
    }
    void hostSets(int index, double value) override {
        amp.setValue(static_cast<clap_id>(index), value);
    }
    double hostValue(int index) override { return amp.value(static_cast<clap_id>(index)); }
    std::vector<Gesture> gestures() override {
        clap::OutputEvents out;
        amp.params()->flush(amp.plugin(), clap::InputEvents().get(), out.get());
        std::vector<Gesture> told;
        for (const clap::OutputEvent& e : out.events)
            told.push_back({kind(e), static_cast<int>(e.param), e.value});
        return told;
    }

  private:
    static char kind(const clap::OutputEvent& e) {
        if (e.type == CLAP_EVENT_PARAM_VALUE && e.size == sizeof(clap_event_param_value))
            return 'v';
        if (e.size != sizeof(clap_event_param_gesture)) return '?';
        return e.type == CLAP_EVENT_PARAM_GESTURE_BEGIN ? 'b'
               : e.type == CLAP_EVENT_PARAM_GESTURE_END ? 'e'
                                                        : '?';
    }
    clap::ClapLibrary library;
    clap::TestHost host;
    clap::Instance amp;
    bool created = false;
};

// VST 3: the controller's view attached to the X11 window, the frame's run
// loop, host changes through setParamNormalized, edits through the
// component handler.
class Vst3Panel final : public PanelRoute {
  public:
    explicit Vst3Panel(const Entries& entries)
        : module(static_cast<gravelo::vst3::api::IPluginFactory*>(entries.vst3Factory())),
          amp(module) {
        amp.controller->setComponentHandler(&handler);
        view = amp.controller->createView("editor");
        if (view == nullptr) throw std::runtime_error("no VST 3 view");
        view->setFrame(&frame);
    }
    ~Vst3Panel() override {
        if (attached) view->removed();
        view->setFrame(nullptr);
        view->release();
    }
    bool open(void* parent) override {
        attached = view->attached(parent, "X11EmbedWindowID") == gravelo::vst3::api::kResultOk;
        return attached;
    }
    void idle(int ms) override {
        loopFor(ms, [&] { frame.runLoop.fire(); });
    }
    void hostSets(int index, double value) override {
        amp.set(static_cast<gravelo::vst3::api::ParamID>(index), value);
    }
    double hostValue(int index) override {
        return amp.value(static_cast<gravelo::vst3::api::ParamID>(index));
    }
    std::vector<Gesture> gestures() override {
        std::vector<Gesture> told;
        for (const vst3::Edit& e : handler.edits) {
            const char kind = e.kind == 'p' ? 'v' : e.kind == 'b' || e.kind == 'e' ? e.kind : '?';
            told.push_back({kind, static_cast<int>(e.id),
                            amp.controller->normalizedParamToPlain(e.id, e.value)});
        }
        handler.edits.clear();
        return told;
    }

  private:
    vst3::ComponentHandler handler; // outlives the plug-in, which releases it last
    vst3::Module module;
    vst3::Plugin amp;
    vst3::PlugFrame frame;
    gravelo::vst3::api::IPlugView* view = nullptr;
    bool attached = false;
};

// LV2: the UI binary found through lilv, instantiated into the window, its
// idle interface as the host's loop, port events in, port writes and
// touches out.
class Lv2Panel final : public PanelRoute {
  public:
    bool open(void* parent) override {
        ui = std::make_unique<test::lv2::UiHost>(world(), parent);
        return ui->open();
    }
    void idle(int ms) override { ui->idle(ms); }
    void hostSets(int index, double value) override {
        ui->portEvent(gravelo::lv2::kFirstControl + static_cast<uint32_t>(index),
                      static_cast<float>(value));
        known[static_cast<size_t>(index)] = value;
    }
    // The last value the UI wrote to the port, else the host's own.
    double hostValue(int index) override {
        const uint32_t port = gravelo::lv2::kFirstControl + static_cast<uint32_t>(index);
        for (auto w = ui->writes.rbegin(); w != ui->writes.rend(); ++w)
            if (w->first == port) return w->second;
        return known[static_cast<size_t>(index)];
    }
    std::vector<Gesture> gestures() override {
        std::vector<Gesture> told;
        size_t write = 0, touch = 0;
        for (char kind : ui->order) {
            const bool isWrite = kind == 'v';
            const uint32_t port = isWrite ? ui->writes[write].first : ui->touches[touch].first;
            const double value = isWrite ? ui->writes[write++].second : (++touch, 0.0);
            const int index = static_cast<int>(port - gravelo::lv2::kFirstControl);
            if (isWrite) known[static_cast<size_t>(index)] = value;
            told.push_back({kind, index, value});
        }
        ui->order.clear();
        ui->writes.clear();
        ui->touches.clear();
        return told;
    }

  private:
    static test::lv2::World& world() {
        static test::lv2::World loaded;
        return loaded;
    }
    std::unique_ptr<test::lv2::UiHost> ui;
    std::array<double, kControlCount> known = [] {
        std::array<double, kControlCount> defaults{};
        for (size_t i = 0; i < defaults.size(); ++i)
            defaults[i] = kControls[i].defaultValue;
        return defaults;
    }();
};

} // namespace

std::vector<PanelRouteMaker> allPanelRoutes(const Entries& entries) {
    return {
        {"VST 2.x", [entries] { return std::make_unique<Vst2Panel>(entries); }},
        {"CLAP", [entries] { return std::make_unique<ClapPanel>(entries); }},
        {"VST 3", [entries] { return std::make_unique<Vst3Panel>(entries); }},
        {"LV2", [] { return std::make_unique<Lv2Panel>(); }},
    };
}

} // namespace gravelo::test::routes
