// What the plug-in benchmarks share: the rate and block, the settings, the
// bass note they play and the per-frame figure they report.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

inline constexpr int kBlock = 256;
inline constexpr float kRate = 48000.0f;

// Slider values in their units, 1..9; worst case: Dirt, Bass, Middle and
// Treble all non-zero, so every optional stage runs, with the drive and the
// levelers worked hard (Quorvel 24, Dirt 7, Depth 2, LFcut 6).
inline constexpr double kDefault[10] = {0, 0, 0, 0, 0, 0, 0, 0, 8, 0};
inline constexpr double kWorstCase[10] = {0, 24, 0, 3, 7, 4, 3, 5, 2, 6};

// CPU time per frame, shown with an SI prefix: "31.2n" reads 31.2 ns per frame.
inline void reportPerFrame(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kBlock);
    state.counters["time/frame"] = benchmark::Counter(
        kBlock, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A bass note with overtones at a playing level, long enough to cycle.
template <class Sample> std::vector<Sample> bassNote(int frames) {
    std::vector<Sample> x(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const double w = 2 * std::numbers::pi * 55.0 * i / kRate;
        x[static_cast<size_t>(i)] = static_cast<Sample>(
            0.4 * std::exp(-std::fmod(i / kRate, 0.5) * 4) * (std::sin(w) + 0.3 * std::sin(3 * w)));
    }
    return x;
}

// Plays the bass note through a shell's instance block by block: it offers
// `in` (a block of floats), `run()` and `outLeft`.
template <class Instance> void playBassNote(benchmark::State& state, Instance& instance) {
    const auto source = bassNote<float>(kBlock * 375); // 2 s
    size_t position = 0;
    for (auto _ : state) {
        std::copy_n(source.begin() + static_cast<long>(position), kBlock, instance.in.begin());
        position = (position + kBlock) % source.size();
        instance.run();
        benchmark::DoNotOptimize(instance.outLeft.data());
        benchmark::ClobberMemory();
    }
    reportPerFrame(state);
}
