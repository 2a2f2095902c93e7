// Measures what one open, idle editor costs its host process: CPU time
// over ten seconds of host idle calls (the panel repaints at 30 frames per
// second) and the resident memory the open editor adds, under a private
// virtual X server.
#include "effect/panel/PanelLayout.h"
#include "support/HostWindow.h"
#include "support/VirtualDisplay.h"
#include "vsthost/InProcess.h"

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

double residentKiB() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1024.0;
}

// A host's editor timer: effEditIdle every 10 ms for the given time.
void idleFor(vsthost::Host& plugin, std::chrono::milliseconds span) {
    const auto end = std::chrono::steady_clock::now() + span;
    while (std::chrono::steady_clock::now() < end) {
        plugin.dispatch(effEditIdle);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace

int main() {
    const testdisplay::VirtualDisplay display;
    if (display.name().empty()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    testdisplay::HostWindow parent(0, 0, panel_layout::kWidth, panel_layout::kHeight);

    vsthost::Host plugin;
    plugin.recording = false;
    plugin.create(vsthost::createAmplifier);
    plugin.start();

    // Warm the shared libraries (fonts, image decoding) once, as any first
    // editor of a host would, so the figure is what one more editor adds.
    plugin.dispatch(effEditOpen, 0, 0, parent.handle());
    idleFor(plugin, std::chrono::milliseconds(300));
    plugin.dispatch(effEditClose);

    const double closedKiB = residentKiB();
    plugin.dispatch(effEditOpen, 0, 0, parent.handle());
    idleFor(plugin, std::chrono::milliseconds(500));
    const double openKiB = residentKiB();

    const auto span = std::chrono::seconds(10);
    const double cpuBefore = cpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    idleFor(plugin, span);
    const double cpu = cpuSeconds() - cpuBefore;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();

    std::printf(
        "open idle editor, 30 fps, %.1f s: CPU %.3f s = %.2f %% of one core (goal <= 2 %%)\n", wall,
        cpu, 100.0 * cpu / wall);
    std::printf(
        "resident memory: closed %.0f KiB, open %.0f KiB, added %.0f KiB (goal <= 2048 KiB)\n",
        closedKiB, openKiB, openKiB - closedKiB);
    plugin.dispatch(effEditClose);
    plugin.close();
    return 0;
}
