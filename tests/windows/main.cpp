// The Windows test host: loads the plug-in DLL as a host does and runs the
// host-side, editor and drag-and-drop scenarios, one line per case.
//   wintesthost <Gravelo.dll> [audio output file] [picture folder]
//   wintesthost --vst3-only <Gravelo.vst3>   (the VST 3 cases on that library,
//                                            beside the folder's Gravelo.dll)
//   wintesthost --scaled <Gravelo.dll> <dpi>  (the content-scale cases, on a
//                                            system set to that DPI; the
//                                            window's picture into .)
//   wintesthost --installed <Gravelo.dll> <Gravelo.vst3> [Gravelo.clap]
//                                           (the host, VST 3 and CLAP cases
//                                            on those files, wherever an
//                                            installer put them)
// GRAVELO_CASES=<text> in the environment runs only the cases whose names
// hold that text (while working on them; the suite runs them all).
#include "AudioScenario.h"
#include "Check.h"
#include "PluginLibrary.h"

// windows.h comes first: the headers below rely on its declarations.
#include <windows.h>

#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string notes;

} // namespace

void note(const std::string& text) {
    notes += (notes.empty() ? "" : "; ") + text;
}

namespace {

// As hosts that draw at the monitor's own DPI declare themselves: per
// monitor where the system knows that, else for the system's one DPI.
void declareDpiAware() {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    using PerMonitor = BOOL(WINAPI*)(HANDLE);
    using SystemAware = BOOL(WINAPI*)();
    const auto perMonitor = reinterpret_cast<PerMonitor>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
    const HANDLE perMonitorV2 = reinterpret_cast<HANDLE>(-4);
    if (perMonitor != nullptr && perMonitor(perMonitorV2)) return;
    const auto systemAware = reinterpret_cast<SystemAware>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDPIAware")));
    if (systemAware != nullptr) systemAware();
}

} // namespace

int main(int argc, char** argv) {
    // Speed only (scripts/windows-bench.sh): wintesthost --bench <Gravelo.dll>
    if (argc == 3 && std::string(argv[1]) == "--bench") {
        PluginLibrary library(argv[2]);
        if (!library.loaded()) return 2;
        gravelo::test::scenario::reportSpeeds(
            sizeof(void*) == 4 ? "win32" : "win64", [&] { return library.create(); },
            PluginLibrary::destroy);
        return 0;
    }
    const bool vst3Only = argc == 3 && std::string(argv[1]) == "--vst3-only";
    const bool scaledOnly = argc == 4 && std::string(argv[1]) == "--scaled";
    const bool installed = (argc == 4 || argc == 5) && std::string(argv[1]) == "--installed";
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <Gravelo.dll> [audio output] [picture folder]\n", argv[0]);
        return 2;
    }
    HostOptions options{argv[1], argc > 2 ? argv[2] : "", argc > 3 ? argv[3] : "", ""};
    if (vst3Only) options = {"Gravelo.dll", "", "", argv[2]};
    if (scaledOnly) options = {argv[2], "", ".", "", std::atoi(argv[3])};
    if (installed) options = {argv[2], "", "", argv[3], 96, argc == 5 ? argv[4] : ""};
    declareDpiAware();
    // A host's user-interface thread lives in an OLE apartment.
    OleInitialize(nullptr);
    std::vector<Case> cases;
    if (installed) {
        // What a user's host does with them: load, describe, render; the
        // toolkit's and the panel's own cases do not depend on the folder.
        addHostCases(cases, options);
        if (!options.clapPath.empty()) addClapCases(cases, options);
    } else if (!vst3Only && !scaledOnly) {
        addHostCases(cases, options);
        addToolkitCases(cases);
        addEditorCases(cases, options);
        addDropCases(cases, options);
        addClapCases(cases, options);
    }
    if (!scaledOnly) addVst3Cases(cases, options);
    if (!vst3Only && !installed) {
        addScaleCases(cases, options);
        addClapScaleCases(cases, options);
        addVst3ScaleCases(cases, options);
    }
    const char* only = std::getenv("GRAVELO_CASES");
    int passed = 0, failed = 0;
    for (const Case& c : cases) {
        if (only != nullptr && c.name.find(only) == std::string::npos) continue;
        notes.clear();
        std::string failure;
        try {
            c.run();
        } catch (const std::exception& error) {
            failure = error.what();
        }
        const std::string extra = notes.empty() ? "" : " (" + notes + ")";
        if (failure.empty()) {
            ++passed;
            std::printf("PASS %s%s\n", c.name.c_str(), extra.c_str());
        } else {
            ++failed;
            std::printf("FAIL %s: %s%s\n", c.name.c_str(), failure.c_str(), extra.c_str());
        }
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    OleUninitialize();
    return failed == 0 ? 0 : 1;
}
