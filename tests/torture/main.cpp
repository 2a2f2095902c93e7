// gravelo-torture: drives the built plug-in through the test host as a
// careless or hostile host would. One line per case, then "N passed,
// N failed"; exits non-zero when a case failed.
//   gravelo-torture [--no-editor] [FILTER]   (FILTER: cases whose name contains it)
#include "CaseRunner.h"
#include "Cases.h"
#include "VirtualDisplay.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Generous: a sanitizer build on a loaded two-core machine is slow.
constexpr int kSecondsPerCase = 120;

} // namespace

int main(int argc, char** argv) {
    bool editor = true;
    const char* filter = "";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-editor") == 0)
            editor = false;
        else
            filter = argv[i];
    }
    std::vector<torture::Case> cases;
    torture::addAudioCases(cases);
    torture::addStateCases(cases);
    torture::addInstanceCases(cases);

    std::unique_ptr<torture::VirtualDisplay> display;
    if (editor) {
        display = std::make_unique<torture::VirtualDisplay>();
        if (display->name().empty()) {
            cases.push_back({"virtual X server for the editor cases",
                             [] { torture::fail("Xvfb did not start"); }});
        } else {
            setenv("DISPLAY", display->name().c_str(), 1);
            torture::addEditorCases(cases);
        }
    }

    torture::CaseRunner runner(kSecondsPerCase);
    for (const auto& c : cases)
        if (c.name.find(filter) != std::string::npos) runner.run(c);
    display.reset();
    std::printf("%d passed, %d failed\n", runner.passed, runner.failed);
    return runner.failed == 0 ? 0 : 1;
}
