// Nanoseconds per sample frame of the whole plug-in through its AEffect
// processing functions at 48 kHz, block 256, default and worst-case settings,
// single and double precision; and the per-sample reference form alone.
// The "time/frame" counter is the figure the speed goals are stated in.
//
// Side by side with another build: GRAVELO_BASELINE_PLUGIN=path/Gravelo.so
// adds Built/... (this build's Gravelo.so) and Baseline/... (that library),
// both loaded as a host loads them, run alternately in one process.
#include "BenchSignal.h"
#include "effect/TVobrixEffect.h"
#include "vsthost/InProcess.h"
#include "vsthost/PluginLibrary.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The worst case split in two, to see what each optional stage costs.
constexpr double kDriveOnly[10] = {0, 24, 0, 3, 7, 0, 0, 0, 2, 6};
constexpr double kToneOnly[10] = {0, 24, 0, 3, 0, 4, 3, 5, 2, 6};

// Nothing may allocate while it processes: the host keeps no record of calls.
// Made in this process, or by the entry of a loaded library.
struct Instance : gravelo::vsthost::Host {
    explicit Instance(const double (&sliders)[10],
                      gravelo::vsthost::EntryFunction entry = gravelo::vsthost::createAmplifier) {
        recording = false;
        create(entry);
        start(kRate, kBlock);
        // The sliders' ranges, as every build of the plug-in has them.
        const TVobrixEffect ranges;
        for (int n = 1; n <= 9; ++n) {
            const SliderInfo& info = ranges.sliderInfos[static_cast<size_t>(n - 1)];
            setParameter(n - 1, static_cast<float>((sliders[n] - info.minimum) /
                                                   (info.maximum - info.minimum)));
        }
    }
    TVobrixEffect& runtime() const { return gravelo::vsthost::amplifierOf(effect()); }
};

template <class Sample>
void processPlugin(benchmark::State& state, const double (&sliders)[10],
                   gravelo::vsthost::EntryFunction entry = gravelo::vsthost::createAmplifier) {
    Instance instance(sliders, entry);
    const auto source = bassNote<Sample>(kBlock * 375); // 2 s
    std::vector<Sample> left(kBlock), right(kBlock, 0), outLeft(kBlock), outRight(kBlock);
    Sample* in[2] = {left.data(), right.data()};
    Sample* out[2] = {outLeft.data(), outRight.data()};
    size_t position = 0;
    for (auto _ : state) {
        std::copy_n(source.begin() + static_cast<long>(position), kBlock, left.begin());
        position = (position + kBlock) % source.size();
        instance.process(in, out, kBlock);
        benchmark::DoNotOptimize(outLeft.data());
        benchmark::ClobberMemory();
    }
    reportPerFrame(state);
}

void PluginFloatDefault(benchmark::State& s) {
    processPlugin<float>(s, kDefault);
}
void PluginFloatWorstCase(benchmark::State& s) {
    processPlugin<float>(s, kWorstCase);
}
void PluginFloatDriveOnly(benchmark::State& s) {
    processPlugin<float>(s, kDriveOnly);
}
void PluginFloatToneOnly(benchmark::State& s) {
    processPlugin<float>(s, kToneOnly);
}
void PluginDoubleDefault(benchmark::State& s) {
    processPlugin<double>(s, kDefault);
}
void PluginDoubleWorstCase(benchmark::State& s) {
    processPlugin<double>(s, kWorstCase);
}

// The reference form: doBlock, then doSample per frame through the slots,
// as the shell's per-frame loop runs it.
void SampleHook(benchmark::State& state, const double (&sliders)[10]) {
    Instance instance(sliders);
    TVobrixEffect& fx = instance.runtime();
    const auto source = bassNote<double>(kBlock * 375);
    size_t position = 0;
    double sink = 0;
    for (auto _ : state) {
        fx.doBlock();
        for (int i = 0; i < kBlock; ++i) {
            fx.samples[0] = source[position + static_cast<size_t>(i)];
            fx.doSample();
            sink += fx.samples[1];
        }
        position = (position + kBlock) % source.size();
    }
    benchmark::DoNotOptimize(sink);
    reportPerFrame(state);
}

void SampleHookDefault(benchmark::State& s) {
    SampleHook(s, kDefault);
}
void SampleHookWorstCase(benchmark::State& s) {
    SampleHook(s, kWorstCase);
}

// The library stays loaded until the process ends.
gravelo::vsthost::EntryFunction libraryEntry(const std::string& path) {
    static std::vector<std::unique_ptr<gravelo::vsthost::PluginLibrary>> loaded;
    std::string why;
    auto library = gravelo::vsthost::PluginLibrary::load(path, &why);
    if (!library) throw std::runtime_error(path + ": " + why);
    loaded.push_back(std::move(library));
    return loaded.back()->entry();
}

void registerSideBySide() {
    const char* baseline = std::getenv("GRAVELO_BASELINE_PLUGIN");
    if (baseline == nullptr || *baseline == '\0') return;
    const std::pair<std::string, gravelo::vsthost::EntryFunction> builds[] = {
        {"Built/", libraryEntry(gravelo::vsthost::builtPluginPath())},
        {"Baseline/", libraryEntry(baseline)}};
    const std::pair<const char*, const double(*)[10]> settings[] = {{"Default", &kDefault},
                                                                    {"WorstCase", &kWorstCase}};
    for (const auto& [name, sliders] : settings)
        for (const auto& [prefix, entry] : builds) {
            benchmark::RegisterBenchmark((prefix + "PluginFloat" + name).c_str(),
                                         [sliders, entry](benchmark::State& s) {
                                             processPlugin<float>(s, *sliders, entry);
                                         });
            benchmark::RegisterBenchmark((prefix + "PluginDouble" + name).c_str(),
                                         [sliders, entry](benchmark::State& s) {
                                             processPlugin<double>(s, *sliders, entry);
                                         });
        }
}

} // namespace

BENCHMARK(PluginFloatDefault);
BENCHMARK(PluginFloatWorstCase);
BENCHMARK(PluginFloatDriveOnly);
BENCHMARK(PluginFloatToneOnly);
BENCHMARK(PluginDoubleDefault);
BENCHMARK(PluginDoubleWorstCase);
BENCHMARK(SampleHookDefault);
BENCHMARK(SampleHookWorstCase);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    registerSideBySide();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
