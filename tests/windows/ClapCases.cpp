// Gravelo.clap (beside the DLL, or the one named) under the project's own
// CLAP test host: its entry and descriptor, the audio scenario rendered
// equal to the VST DLL's, and the embedded Win32 editor opened and closed in
// a host window.
#include "AudioScenario.h"
#include "Check.h"
#include "ClapTestHost.h"
#include "HostWindow.h"
#include "PluginLibrary.h"

#include <cmath>
#include <memory>

namespace {

using namespace gravelo::test::clap;

std::string clapPath(const HostOptions& options) {
    if (!options.clapPath.empty()) return options.clapPath;
    const std::string& dll = options.dllPath;
    const size_t dot = dll.find_last_of('.');
    return (dot == std::string::npos ? dll : dll.substr(0, dot)) + ".clap";
}

void checkEntry(const ClapLibrary& library) {
    check(library.entry() != nullptr, "no entry: " + library.error());
    const clap_plugin_factory* factory = library.factory();
    check(factory != nullptr && factory->get_plugin_count(factory) == 1, "one plug-in");
    const clap_plugin_descriptor* d = factory->get_plugin_descriptor(factory, 0);
    check(d != nullptr && std::string(d->id) == "com.morvane.gravelo" &&
              std::string(d->name) == "Gravelo I",
          "descriptor");
    check(library.entry()->get_factory("clap.unknown") == nullptr, "unknown factory refused");
}

// The scenario's host values, set as the VST host parameter would set them.
void renderEqualsVst(const ClapLibrary& library, const std::string& dllPath) {
    PluginLibrary vst(dllPath);
    AEffect* effect = vst.create();
    check(effect != nullptr, "VST instance");
    gravelo::test::scenario::prepare(effect);
    const std::vector<float> input = gravelo::test::scenario::fixedInput();
    const std::vector<float> expected = gravelo::test::scenario::renderFloat(effect, input);
    PluginLibrary::destroy(effect);

    TestHost host;
    Instance amp(library, host);
    const clap_plugin_params* params = amp.params();
    for (const auto& [index, x] : gravelo::test::scenario::kSettings) {
        clap_param_info info{};
        check(params->get_info(amp.plugin(), static_cast<uint32_t>(index), &info), "param info");
        amp.setValue(info.id, info.min_value + (info.max_value - info.min_value) * double(x));
    }
    check(amp.start(gravelo::test::scenario::kSampleRate, gravelo::test::scenario::kBlockSize),
          "activate");
    std::vector<float> left(input.size()), right(input.size());
    for (size_t at = 0; at < input.size(); at += gravelo::test::scenario::kBlockSize) {
        const uint32_t n = static_cast<uint32_t>(
            std::min<size_t>(gravelo::test::scenario::kBlockSize, input.size() - at));
        check(amp.process(&input[at], &input[at], &left[at], &right[at], n) ==
                  CLAP_PROCESS_CONTINUE,
              "process");
    }
    check(left == expected, "CLAP render differs from the VST render");
    check(right == left, "both outputs carry the result");
}

void editorOpensAndCloses(const ClapLibrary& library) {
    TestHost host;
    Instance amp(library, host);
    const clap_plugin_gui* gui = amp.gui();
    const clap_plugin* p = amp.plugin();
    check(gui != nullptr && gui->is_api_supported(p, CLAP_WINDOW_API_WIN32, false), "win32 api");
    check(!gui->is_api_supported(p, CLAP_WINDOW_API_X11, false), "x11 refused");
    HostWindow window;
    const auto* timer = amp.extension<clap_plugin_timer_support>(CLAP_EXT_TIMER_SUPPORT);
    for (int round = 0; round < 3; ++round) {
        check(gui->create(p, CLAP_WINDOW_API_WIN32, false), "create");
        clap_window parent{};
        parent.api = CLAP_WINDOW_API_WIN32;
        parent.win32 = window.handle();
        check(gui->set_parent(p, &parent), "set_parent");
        check(gui->show(p), "show");
        check(host.timers.size() == 1 && host.descriptors.empty(), "one timer, no descriptor");
        for (int t = 0; t < 20; ++t) {
            window.pump(nullptr, 10);
            for (clap_id id : std::set<clap_id>(host.timers))
                timer->on_timer(p, id);
        }
        HWND child = window.editorWindow();
        check(child != nullptr, "editor child window");
        RECT r{};
        GetClientRect(child, &r);
        check(r.right == 600 && r.bottom == 284, "600 x 284");
        gui->hide(p);
        gui->destroy(p);
        window.pump(nullptr, 20);
        check(window.editorWindow() == nullptr, "child window gone");
        check(host.timers.empty(), "timer unregistered");
    }
}

// At the system's DPI the editor is the panel times its scale; the host's
// set_scale while shown resizes the window and asks the host to follow.
void editorAtScale(const ClapLibrary& library, int dpi) {
    TestHost host;
    Instance amp(library, host);
    const clap_plugin_gui* gui = amp.gui();
    const clap_plugin* p = amp.plugin();
    HostWindow window;
    check(gui != nullptr && gui->create(p, CLAP_WINDOW_API_WIN32, false), "create");
    const auto width = uint32_t(std::lround(600 * dpi / 96.0));
    const auto height = uint32_t(std::lround(284 * dpi / 96.0));
    uint32_t w = 0, h = 0;
    check(gui->get_size(p, &w, &h) && w == width && h == height,
          "at " + std::to_string(dpi) + " DPI get_size says " + std::to_string(w) + " x " +
              std::to_string(h));
    window.resize(int(w), int(h));
    clap_window parent{};
    parent.api = CLAP_WINDOW_API_WIN32;
    parent.win32 = window.handle();
    check(gui->set_parent(p, &parent) && gui->show(p), "shown");
    window.pump(nullptr, 50);
    RECT r{};
    GetClientRect(window.editorWindow(), &r);
    check(r.right == LONG(width) && r.bottom == LONG(height), "the window is get_size's");
    check(gui->set_scale(p, 2.5), "set_scale(2.5) taken");
    window.pump(nullptr, 50);
    GetClientRect(window.editorWindow(), &r);
    check(r.right == 1500 && r.bottom == 710, "at scale 2.5 the window is 1500 x 710");
    check(!host.resizeRequests.empty() && host.resizeRequests.back().first == 1500 &&
              host.resizeRequests.back().second == 710,
          "the host was asked for 1500 x 710");
    gui->hide(p);
    gui->destroy(p);
}

} // namespace

void addClapScaleCases(std::vector<Case>& cases, const HostOptions& options) {
    auto library = std::make_shared<ClapLibrary>(clapPath(options));
    const int dpi = options.systemDpi;
    cases.push_back({"clap: editor at the system's DPI, then the host's scale (" +
                         std::to_string(dpi) + " DPI)",
                     [library, dpi] { editorAtScale(*library, dpi); }});
}

void addClapCases(std::vector<Case>& cases, const HostOptions& options) {
    auto library = std::make_shared<ClapLibrary>(clapPath(options));
    const std::string dll = options.dllPath;
    cases.push_back({"clap: entry, factory and descriptor", [library] { checkEntry(*library); }});
    cases.push_back({"clap: the audio scenario renders as the VST DLL renders it",
                     [library, dll] { renderEqualsVst(*library, dll); }});
    cases.push_back({"clap: Win32 editor embedded, shown and destroyed three times",
                     [library] { editorOpensAndCloses(*library); }});
}
