// Hosts driving the editor carelessly: open, idle and close in every
// order, twice over, with the parent window destroyed first, and the
// instance closed while its editor is open. The program runs them under a
// private Xvfb.
#include "Check.h"
#include "PluginRig.h"
#include "support/HostWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace gravelo::test::torture {
namespace {

using display::HostWindow;

// Steps: o open, i idle, c close, d destroy the parent window, x effClose.
// While the editor is open after an accepted open, the parent holds one
// child window; after a close it holds none.
class EditorSteps : public ::testing::TestWithParam<const char*> {};

TEST_P(EditorSteps, KeepOneChildWindowWhileOpen) {
    const std::string steps = GetParam();
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
            ASSERT_TRUE(answer != 0 || !hasEditor || !parent.alive())
                << "effEditOpen answered 0 for a live parent";
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
            ASSERT_TRUE(parent.childCount() == 0)
                << "effClose with the editor open left its window behind";
            return;
        }
        if (parent.alive()) {
            const int expected = open ? 1 : 0;
            ASSERT_TRUE(parent.childCount() == expected)
                << std::string("after '") + step + "' the parent holds " +
                       std::to_string(parent.childCount()) + " windows, not " +
                       std::to_string(expected);
        }
    }
    if (!everOpened) note("effEditOpen answered 0: no editor window to drive");
}

INSTANTIATE_TEST_SUITE_P(, EditorSteps,
                         ::testing::Values("oic", "oci", "ioc", "ico", "coi", "cio", "ooiicc",
                                           "oicoic", "ococ", "oidic", "odic", "doic", "oix", "ox",
                                           "oicx"),
                         [](const auto& steps) { return std::string(steps.param); });

// Centre of the Output knob (slider 2, 80 x 80 at (480, 50)) on the panel.
constexpr int kOutputKnobX = 520, kOutputKnobY = 90;

void idleFrames(vsthost::Host& host, int frames) {
    for (int k = 0; k < frames; ++k) {
        host.dispatch(effEditIdle);
        usleep(35000); // past the panel's 30 frames a second
    }
}

// Synthetic pointer events reach the panel through the real window: a
// drag on the Output knob moves the Output parameter.
TEST(Editor, MouseDragOnTheOutputKnobThroughTheXServer) {
    PluginRig rig;
    auto host = rig.started();
    HostWindow parent;
    ASSERT_TRUE(host->dispatch(effEditOpen, 0, 0, parent.handle()) != 0)
        << "effEditOpen answered 0";
    idleFrames(*host, 3);
    const float before = host->getParameter(1);
    // One jump onto the knob and a rest of a few frames, as a host's user
    // would; the drag counts from the press.
    parent.moveTo(kOutputKnobX, kOutputKnobY);
    idleFrames(*host, 3);
    parent.button(1, true);
    idleFrames(*host, 2);
    for (int step = 1; step <= 8; ++step) {
        parent.moveTo(kOutputKnobX, kOutputKnobY - 4 * step);
        idleFrames(*host, 1);
    }
    parent.button(1, false);
    idleFrames(*host, 2);
    const float after = host->getParameter(1);
    host->dispatch(effEditClose);
    // Up raises the value by 0.5 dB a pixel: 32 pixels from 0 dB give +16 dB.
    ASSERT_TRUE(after > before && after <= 1.0f)
        << "a 32-pixel drag up on the Output knob took the parameter from " +
               std::to_string(before) + " to " + std::to_string(after);
    note("Output moved from " + std::to_string(before) + " to " + std::to_string(after));
}

// Several instances share the process, each with its own editor window.
TEST(Editor, FourOpenAtOnceClosedInTheOppositeOrder) {
    PluginRig rig;
    std::vector<std::unique_ptr<vsthost::Host>> hosts;
    std::vector<std::unique_ptr<HostWindow>> windows;
    for (int i = 0; i < 4; ++i) {
        hosts.push_back(rig.started());
        windows.push_back(std::make_unique<HostWindow>());
        ASSERT_TRUE(hosts[i]->dispatch(effEditOpen, 0, 0, windows[i]->handle()) != 0)
            << "effEditOpen answered 0";
    }
    for (int round = 0; round < 5; ++round)
        for (auto& host : hosts) {
            host->dispatch(effEditIdle);
            processChecked(*host, sine, round * 64L, 64, false, "audio with four editors");
        }
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(windows[i]->childCount() == 1) << "a parent lost its editor window";
    // Closed in the opposite order, the last one by effClose with its editor open.
    for (int i = 3; i >= 1; --i) {
        hosts[i]->dispatch(effEditClose);
        ASSERT_TRUE(windows[i]->childCount() == 0) << "effEditClose left a window behind";
        ASSERT_TRUE(windows[0]->childCount() == 1)
            << "closing another editor took this one's window";
    }
    hosts[0]->close();
    ASSERT_TRUE(windows[0]->childCount() == 0)
        << "effClose with the editor open left its window behind";
}

TEST(Editor, Rectangle) {
    PluginRig rig;
    auto host = rig.started();
    ERect* rect = nullptr;
    host->dispatch(effEditGetRect, 0, 0, &rect);
    ASSERT_TRUE(rect != nullptr) << "effEditGetRect gave no rectangle";
    ASSERT_TRUE(rect->right - rect->left == 600 && rect->bottom - rect->top == 284)
        << "the editor is not 600 x 284";
}

} // namespace
} // namespace gravelo::test::torture
