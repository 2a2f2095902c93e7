// Hosts driving the editor carelessly: open, idle and close in every
// order, twice over, with the parent window destroyed first, and the
// instance closed while its editor is open. Runs against the X server
// named by DISPLAY (the torture run starts its own Xvfb).
#include "CaseRunner.h"
#include "Cases.h"
#include "HostWindow.h"
#include "PluginRig.h"

#include <X11/extensions/XTest.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace torture {
namespace {

// Steps: o open, i idle, c close, d destroy the parent window, x effClose.
// While the editor is open after an accepted open, the parent holds one
// child window; after a close it holds none.
void editorSequence(const std::string& steps) {
    PluginRig rig;
    auto host = rig.started();
    HostWindow parent;
    bool open = false, everOpened = false;
    for (char step : steps) {
        switch (step) {
        case 'o': {
            const VstIntPtr answer = host->dispatch(effEditOpen, 0, 0, parent.handle());
            if (answer != 0) open = everOpened = true;
            // A plug-in that says it has an editor must open it in a live window.
            const bool hasEditor = host->effect()->flags & effFlagsHasEditor;
            check(answer != 0 || !hasEditor || !parent.alive(),
                  "effEditOpen answered 0 for a live parent");
            break;
        }
        case 'i':
            for (int k = 0; k < 5; ++k)
                host->dispatch(effEditIdle);
            processChecked(*host, sine, 0, 64, false, "audio with the editor");
            break;
        case 'c':
            host->dispatch(effEditClose);
            open = false;
            break;
        case 'd':
            parent.destroy();
            break;
        case 'x':
            host->close();
            check(parent.children() == 0, "effClose with the editor open left its window behind");
            return;
        }
        if (parent.alive()) {
            const int expected = open ? 1 : 0;
            check(parent.children() == expected, std::string("after '") + step +
                                                     "' the parent holds " +
                                                     std::to_string(parent.children()) +
                                                     " windows, not " + std::to_string(expected));
        }
    }
    if (!everOpened) note("effEditOpen answered 0: no editor window to drive");
}

// Centre of the Output knob (slider 2, 80 x 80 at (480, 50)) on the panel.
constexpr int kOutputKnobX = 520, kOutputKnobY = 90;

void idleFrames(hosting::Host& host, int frames) {
    for (int k = 0; k < frames; ++k) {
        host.dispatch(effEditIdle);
        usleep(35000); // past the panel's 30 frames a second
    }
}

// Synthetic pointer events reach the panel through the real window: a
// drag on the Output knob moves the Output parameter.
void editorDrag() {
    PluginRig rig;
    auto host = rig.started();
    HostWindow parent;
    check(host->dispatch(effEditOpen, 0, 0, parent.handle()) != 0, "effEditOpen answered 0");
    idleFrames(*host, 3);
    const float before = host->getParameter(1);
    const int screen = DefaultScreen(parent.connection());
    // One jump onto the knob and a rest of a few frames, as a host's user
    // would; the drag counts from the press.
    XTestFakeMotionEvent(parent.connection(), screen, kOutputKnobX, kOutputKnobY, CurrentTime);
    XSync(parent.connection(), False);
    idleFrames(*host, 3);
    XTestFakeButtonEvent(parent.connection(), 1, True, CurrentTime);
    XSync(parent.connection(), False);
    idleFrames(*host, 2);
    for (int step = 1; step <= 8; ++step) {
        XTestFakeMotionEvent(parent.connection(), screen, kOutputKnobX, kOutputKnobY - 4 * step,
                             CurrentTime);
        XSync(parent.connection(), False);
        idleFrames(*host, 1);
    }
    XTestFakeButtonEvent(parent.connection(), 1, False, CurrentTime);
    XSync(parent.connection(), False);
    idleFrames(*host, 2);
    const float after = host->getParameter(1);
    host->dispatch(effEditClose);
    // Up raises the value by 0.5 dB a pixel: 32 pixels from 0 dB give +16 dB.
    check(after > before && after <= 1.0f,
          "a 32-pixel drag up on the Output knob took the parameter from " +
              std::to_string(before) + " to " + std::to_string(after));
    note("Output moved from " + std::to_string(before) + " to " + std::to_string(after));
}

// Several instances share the process, each with its own editor window.
void severalEditors() {
    PluginRig rig;
    std::vector<std::unique_ptr<hosting::Host>> hosts;
    std::vector<std::unique_ptr<HostWindow>> windows;
    for (int i = 0; i < 4; ++i) {
        hosts.push_back(rig.started());
        windows.push_back(std::make_unique<HostWindow>());
        check(hosts[i]->dispatch(effEditOpen, 0, 0, windows[i]->handle()) != 0,
              "effEditOpen answered 0");
    }
    for (int round = 0; round < 5; ++round)
        for (auto& host : hosts) {
            host->dispatch(effEditIdle);
            processChecked(*host, sine, round * 64L, 64, false, "audio with four editors");
        }
    for (int i = 0; i < 4; ++i)
        check(windows[i]->children() == 1, "a parent lost its editor window");
    // Closed in the opposite order, the last one by effClose with its editor open.
    for (int i = 3; i >= 1; --i) {
        hosts[i]->dispatch(effEditClose);
        check(windows[i]->children() == 0, "effEditClose left a window behind");
        check(windows[0]->children() == 1, "closing another editor took this one's window");
    }
    hosts[0]->close();
    check(windows[0]->children() == 0, "effClose with the editor open left its window behind");
}

void editorRect() {
    PluginRig rig;
    auto host = rig.started();
    ERect* rect = nullptr;
    host->dispatch(effEditGetRect, 0, 0, &rect);
    check(rect != nullptr, "effEditGetRect gave no rectangle");
    check(rect->right - rect->left == 600 && rect->bottom - rect->top == 284,
          "the editor is not 600 x 284");
}

} // namespace

void addEditorCases(std::vector<Case>& cases) {
    cases.push_back({"editor rectangle", editorRect});
    cases.push_back({"mouse drag on the Output knob through the X server", editorDrag});
    cases.push_back({"four editors open at once, closed in the opposite order", severalEditors});
    const char* sequences[] = {"oic",  "oci",   "ioc",  "ico",  "coi", "cio", "ooiicc", "oicoic",
                               "ococ", "oidic", "odic", "doic", "oix", "ox",  "oicx"};
    for (const char* s : sequences) {
        const std::string steps = s;
        cases.push_back(
            {"editor steps " + steps + " (o open, i idle, c close, d parent destroyed, x effClose)",
             [steps] { editorSequence(steps); }});
    }
}

} // namespace torture
