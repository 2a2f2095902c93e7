// Resident memory an instance adds, editor closed: 100 instances created,
// opened and resumed at 48 kHz, then the growth of the resident set divided
// by 100 ("KiB/instance"). Each instance also processes a block, so pages
// touched only by the audio path count too.
#include "effect/TVobrixEffect.h"
#include "host/VeSTBridge.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

VstIntPtr quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

double residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;
}

AEffect* startInstance() {
    AEffect* e = createPlugin(new TVobrixEffect(), &quietHost);
    e->dispatcher(e, effOpen, 0, 0, nullptr, 0);
    e->dispatcher(e, effSetSampleRate, 0, 0, nullptr, 48000.0f);
    e->dispatcher(e, effSetBlockSize, 0, 256, nullptr, 0);
    e->dispatcher(e, effMainsChanged, 0, 1, nullptr, 0);
    std::vector<float> in(256, 0.1f), out(256);
    float* ins[2] = {in.data(), in.data()};
    float* outs[2] = {out.data(), out.data()};
    e->processReplacing(e, ins, outs, 256);
    return e;
}

void InstanceMemory(benchmark::State& state) {
    constexpr int kInstances = 100;
    // One instance first, so what every instance shares (code pages, tables
    // built once per process) is not counted against the hundred.
    AEffect* first = startInstance();
    double perInstance = 0.0;
    for (auto _ : state) {
        std::vector<AEffect*> instances;
        instances.reserve(kInstances);
        const double before = residentKiB();
        for (int i = 0; i < kInstances; ++i)
            instances.push_back(startInstance());
        perInstance = (residentKiB() - before) / kInstances;
        state.PauseTiming();
        for (AEffect* e : instances)
            e->dispatcher(e, effClose, 0, 0, nullptr, 0);
        state.ResumeTiming();
    }
    first->dispatcher(first, effClose, 0, 0, nullptr, 0);
    state.counters["KiB/instance"] = perInstance;
}

} // namespace

BENCHMARK(InstanceMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
