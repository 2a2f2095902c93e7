// Measures what one open, idle editor costs its host process: CPU time
// over ten seconds of host idle calls (the panel repaints at 30 frames per
// second) and the resident memory the open editor adds, under a private
// virtual X server, at each content scale named on the command line (the
// host's 'PreS'/'AeCs' call; by default 1 and 2, side by side).
#include "effect/panel/PanelLayout.h"
#include "support/HostWindow.h"
#include "support/VirtualDisplay.h"
#include "vsthost/InProcess.h"

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

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
void idleFor(gravelo::vsthost::Host& plugin, std::chrono::milliseconds span) {
    const auto end = std::chrono::steady_clock::now() + span;
    while (std::chrono::steady_clock::now() < end) {
        plugin.dispatch(effEditIdle);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

struct Cost {
    double scale, wall, cpu, addedKiB;
};

Cost measure(double scale) {
    gravelo::test::display::HostWindow parent(0, 0,
                                              int(gravelo::panel_layout::kWidth * scale + 0.5),
                                              int(gravelo::panel_layout::kHeight * scale + 0.5));
    gravelo::vsthost::Host plugin;
    plugin.recording = false;
    plugin.create(gravelo::vsthost::createAmplifier);
    plugin.start();
    constexpr VstInt32 kPreS = ('P' << 24) | ('r' << 16) | ('e' << 8) | 'S';
    constexpr VstIntPtr kAeCs = ('A' << 24) | ('e' << 16) | ('C' << 8) | 's';
    plugin.dispatch(effVendorSpecific, kPreS, kAeCs, nullptr, float(scale));

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

    plugin.dispatch(effEditClose);
    plugin.close();
    return {scale, wall, cpu, openKiB - closedKiB};
}

} // namespace

int main(int argc, char** argv) {
    const gravelo::test::display::VirtualDisplay display;
    if (display.name().empty()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    std::vector<double> scales;
    for (int i = 1; i < argc; ++i)
        scales.push_back(std::atof(argv[i]));
    if (scales.empty()) scales = {1.0, 2.0};
    std::vector<Cost> costs;
    for (double scale : scales)
        costs.push_back(measure(scale));
    std::printf("open idle editor, 30 fps (goals: <= 1 %% of a core at scale 1, <= 1.5 %% at 2)\n");
    std::printf("scale   wall s   CPU s   %% of one core   memory added KiB\n");
    for (const Cost& c : costs)
        std::printf("%5.2f  %7.1f  %6.3f  %14.2f  %16.0f\n", c.scale, c.wall, c.cpu,
                    100.0 * c.cpu / c.wall, c.addedKiB);
    return 0;
}
