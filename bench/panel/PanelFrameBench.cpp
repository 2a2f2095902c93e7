// One full panel frame (background, nine knobs with labels, four meters,
// the limiter indicator and the build label) into an offscreen context, at
// content scale 1, 1.5, 2 and 3 (the argument in percent).
#include "PanelPicture.h"

#include <benchmark/benchmark.h>

static void PanelFrame(benchmark::State& state) {
    PanelPicture picture(48000.0, double(state.range(0)) / 100.0);
    picture.drawFrame(); // images load on the first frame
    for (auto _ : state)
        picture.drawFrame();
}
BENCHMARK(PanelFrame)->Arg(100)->Arg(150)->Arg(200)->Arg(300)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
