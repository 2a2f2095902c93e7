// One full panel frame (background, nine knobs with labels, four meters,
// the limiter indicator and the build label) into an offscreen context.
#include "PanelPicture.h"

#include <benchmark/benchmark.h>

static void PanelFrame(benchmark::State& state) {
    PanelPicture picture;
    picture.drawFrame(); // images load on the first frame
    for (auto _ : state)
        picture.drawFrame();
}
BENCHMARK(PanelFrame)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
