// Resident memory an instance adds, editor closed: 100 instances created,
// opened and resumed at 48 kHz, then the growth of the resident set divided
// by 100 ("KiB/instance"). Each instance also processes a block, so pages
// touched only by the audio path count too.
#include "vsthost/InProcess.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

double residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;
}

std::unique_ptr<gravelo::vsthost::Host> startInstance() {
    auto host = std::make_unique<gravelo::vsthost::Host>();
    host->recording = false;
    host->create(gravelo::vsthost::createAmplifier);
    host->start(48000.0, 256);
    std::vector<float> in(256, 0.1f), out(256);
    float* ins[2] = {in.data(), in.data()};
    float* outs[2] = {out.data(), out.data()};
    host->process(ins, outs, 256);
    return host;
}

void InstanceMemory(benchmark::State& state) {
    constexpr int kInstances = 100;
    // One instance first, so what every instance shares (code pages, tables
    // built once per process) is not counted against the hundred.
    const auto first = startInstance();
    double perInstance = 0.0;
    for (auto _ : state) {
        std::vector<std::unique_ptr<gravelo::vsthost::Host>> instances;
        instances.reserve(kInstances);
        const double before = residentKiB();
        for (int i = 0; i < kInstances; ++i)
            instances.push_back(startInstance());
        perInstance = (residentKiB() - before) / kInstances;
        state.PauseTiming();
        instances.clear();
        state.ResumeTiming();
    }
    state.counters["KiB/instance"] = perInstance;
}

} // namespace

BENCHMARK(InstanceMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
