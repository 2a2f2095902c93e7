// The bundle's Windows library (Gravelo.vst3 inside the bundle beside the
// DLL) under the project's own VST 3 test host: its exports and factory, the
// class id in COM byte order, the audio scenario rendered equal to the VST
// DLL's, and the Win32 editor view on its own window timer, whose knob drag
// reaches the host as edits.
#include "AudioScenario.h"
#include "Check.h"
#include "HostWindow.h"
#include "PluginLibrary.h"
#include "Vst3TestHost.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace {

using namespace gravelo::test::vst3;

std::string vst3PathBeside(const std::string& dllPath) {
    const size_t slash = dllPath.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "" : dllPath.substr(0, slash + 1);
    const char* arch = sizeof(void*) == 8 ? "x86_64-win" : "x86-win";
    return folder + "vst3-bundles/Gravelo.vst3/Contents/" + arch + "/Gravelo.vst3";
}

void checkFactory(const Module& module) {
    check(module.factory() != nullptr, "no factory: " + module.error());
    check(module.symbol("GetPluginFactory@0") == nullptr, "the getter's plain name only");
    PFactoryInfo info{};
    check(module.factory()->getFactoryInfo(&info) == kResultOk &&
              std::string(info.vendor) == "Morvane" && info.flags == 16,
          "factory info");
    check(module.factory()->countClasses() == 1, "one class");
    PClassInfo plain{};
    check(module.factory()->getClassInfo(0, &plain) == kResultOk &&
              std::string(plain.name) == "Gravelo I",
          "class info");
    // The class id's four words in COM order, as Windows hosts store it.
    const uint8_t com[16] = {0x76, 0x72, 0x6F, 0x4D, 0x72, 0x47, 0x76, 0x61,
                             0x65, 0x6C, 0x6F, 0x31, 0x41, 0x33, 0x56, 0x53};
    check(std::memcmp(plain.cid, com, 16) == 0, "class id in COM byte order");
    const uint8_t component[16] = {0x31, 0xFF, 0x31, 0xE8, 0xD5, 0xF2, 0x01, 0x43,
                                   0x92, 0x8E, 0xBB, 0xEE, 0x25, 0x69, 0x78, 0x02};
    check(std::memcmp(iid::IComponent.bytes, component, 16) == 0, "IComponent in COM order");
}

// The scenario's host values as points at the first frame.
void renderEqualsVst(const Module& module, const std::string& dllPath) {
    PluginLibrary vst(dllPath);
    AEffect* effect = vst.create();
    check(effect != nullptr, "VST instance");
    gravelo::test::scenario::prepare(effect);
    const std::vector<float> input = gravelo::test::scenario::fixedInput();
    const std::vector<float> expected = gravelo::test::scenario::renderFloat(effect, input);
    PluginLibrary::destroy(effect);

    Plugin amp(module);
    check(amp.controller != nullptr, "instance");
    check(amp.start(gravelo::test::scenario::kSampleRate, gravelo::test::scenario::kBlockSize),
          "activate");
    ParameterChanges settings;
    for (const auto& [index, x] : gravelo::test::scenario::kSettings)
        settings.add(static_cast<ParamID>(index), 0, static_cast<double>(x));
    std::vector<float> left(input.size()), right(input.size());
    for (size_t at = 0; at < input.size(); at += gravelo::test::scenario::kBlockSize) {
        const int32_t n = static_cast<int32_t>(
            std::min<size_t>(gravelo::test::scenario::kBlockSize, input.size() - at));
        check(amp.process(&input[at], &input[at], &left[at], &right[at], n,
                          at == 0 ? &settings : nullptr) == kResultOk,
              "process");
    }
    check(left == expected, "VST 3 render differs from the VST render");
    check(right == left, "both outputs carry the result");
}

void editorOpensAndCloses(const Module& module) {
    Plugin amp(module);
    HostWindow window;
    for (int round = 0; round < 3; ++round) {
        IPlugView* view = amp.controller->createView("editor");
        check(view != nullptr, "view");
        check(view->isPlatformTypeSupported("HWND") == kResultTrue, "HWND");
        check(view->isPlatformTypeSupported("X11EmbedWindowID") == kResultFalse, "no X11");
        check(view->attached(window.handle(), "HWND") == kResultOk, "attached");
        window.pump(nullptr, 200);
        HWND child = window.editorWindow();
        check(child != nullptr, "editor child window");
        RECT r{};
        GetClientRect(child, &r);
        check(r.right == 600 && r.bottom == 284, "600 x 284");
        check(view->removed() == kResultOk, "removed");
        window.pump(nullptr, 20);
        check(window.editorWindow() == nullptr, "child window gone");
        check(view->release() == 0, "view released");
    }
}

// A message to the panel's window with the system's pointer put where it
// says, then the host's loop for a while (the view's timer ticks in it).
void post(const HostWindow& window, HWND child, UINT message, WPARAM keys, int x, int y) {
    POINT screen{x, y};
    ClientToScreen(child, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(child, message, keys, MAKELPARAM(x, y));
    window.pump(nullptr, 100);
}

// A press at (x, y), a move up by distance pixels in five steps, the release.
void dragUp(const HostWindow& window, HWND child, int x, int y, int distance) {
    post(window, child, WM_MOUSEMOVE, 0, x, y);
    post(window, child, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    for (int step = 1; step <= 5; ++step)
        post(window, child, WM_MOUSEMOVE, MK_LBUTTON, x, y - distance * step / 5);
    post(window, child, WM_LBUTTONUP, 0, x, y - distance);
}

// A 20-pixel drag up on Output reaches the host as begin, values ending at
// +10 dB, end.
void dragTellsTheHost(const Module& module) {
    ComponentHandler handler;
    Plugin amp(module);
    check(amp.controller->setComponentHandler(&handler) == kResultOk, "handler");
    IPlugView* view = amp.controller->createView("editor");
    HostWindow window;
    check(view != nullptr && view->attached(window.handle(), "HWND") == kResultOk, "attached");
    window.pump(nullptr, 200);
    HWND child = window.editorWindow();
    check(child != nullptr, "editor child window");
    dragUp(window, child, 520, 90, 20); // from the middle of the Output knob
    const std::vector<Edit>& edits = handler.edits;
    check(edits.size() >= 3 && edits.front().kind == 'b' && edits.back().kind == 'e',
          "begin, values, end");
    for (const Edit& e : edits)
        check(e.id == 1, "edits of Output only");
    check(amp.controller->normalizedParamToPlain(1, edits[edits.size() - 2].value) == 10.0,
          "the last value is +10 dB");
    view->removed();
    view->release();
    amp.controller->setComponentHandler(nullptr);
}

// At the system's DPI the view is the panel times its scale; the host's
// content scale 2 makes it 1200 x 568, where a 40-pixel drag up on Output
// tells the host +10 dB.
void viewAtScale(const Module& module, int dpi) {
    ComponentHandler handler;
    Plugin amp(module);
    check(amp.controller->setComponentHandler(&handler) == kResultOk, "handler");
    IPlugView* view = amp.controller->createView("editor");
    check(view != nullptr, "view");
    ViewRect size{};
    const int width = int(std::lround(600 * dpi / 96.0));
    const int height = int(std::lround(284 * dpi / 96.0));
    check(view->getSize(&size) == kResultOk && size.right == width && size.bottom == height,
          "at " + std::to_string(dpi) + " DPI getSize says " + std::to_string(size.right) + " x " +
              std::to_string(size.bottom));
    IPlugViewContentScaleSupport* scaling = nullptr;
    check(view->queryInterface(iid::IPlugViewContentScaleSupport.bytes,
                               reinterpret_cast<void**>(&scaling)) == kResultOk &&
              scaling != nullptr,
          "content scale support");
    check(scaling->setContentScaleFactor(2.0f) == kResultTrue, "scale 2 taken");
    scaling->release();
    check(view->getSize(&size) == kResultOk && size.right == 1200 && size.bottom == 568,
          "at scale 2 getSize says 1200 x 568");
    HostWindow window;
    window.resize(1200, 568);
    check(view->attached(window.handle(), "HWND") == kResultOk, "attached");
    window.pump(nullptr, 200);
    HWND child = window.editorWindow();
    RECT r{};
    check(child != nullptr && GetClientRect(child, &r) && r.right == 1200 && r.bottom == 568,
          "the window is 1200 x 568");
    dragUp(window, child, 1040, 180, 40); // from the middle of the Output knob at scale 2
    const std::vector<Edit>& edits = handler.edits;
    check(edits.size() >= 3 &&
              amp.controller->normalizedParamToPlain(1, edits[edits.size() - 2].value) == 10.0,
          "a 40-pixel drag up ends at +10 dB");
    view->removed();
    view->release();
    amp.controller->setComponentHandler(nullptr);
}

} // namespace

void addVst3ScaleCases(std::vector<Case>& cases, const HostOptions& options) {
    auto module = std::make_shared<Module>(
        options.vst3Path.empty() ? vst3PathBeside(options.dllPath) : options.vst3Path);
    const int dpi = options.systemDpi;
    cases.push_back({"vst3: view at the system's DPI, then the host's scale 2 (" +
                         std::to_string(dpi) + " DPI)",
                     [module, dpi] { viewAtScale(*module, dpi); }});
}

void addVst3Cases(std::vector<Case>& cases, const HostOptions& options) {
    auto module = std::make_shared<Module>(
        options.vst3Path.empty() ? vst3PathBeside(options.dllPath) : options.vst3Path);
    const std::string dll = options.dllPath;
    cases.push_back({"vst3: exports, factory and class id", [module] { checkFactory(*module); }});
    cases.push_back({"vst3: the audio scenario renders as the VST DLL renders it",
                     [module, dll] { renderEqualsVst(*module, dll); }});
    cases.push_back({"vst3: Win32 editor view attached and removed three times",
                     [module] { editorOpensAndCloses(*module); }});
    cases.push_back({"vst3: a 20-pixel drag up on Output tells the host +10 dB",
                     [module] { dragTellsTheHost(*module); }});
}
