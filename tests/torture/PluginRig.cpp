#include "PluginRig.h"

#include "Check.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace gravelo::test::torture {

double sine(long frame) {
    return 0.5 * std::sin(0.031 * static_cast<double>(frame));
}

PluginRig::PluginRig() {
    std::string error;
    library = vsthost::PluginLibrary::load(vsthost::builtPluginPath(), &error);
    check(library != nullptr, "cannot load the plug-in: " + error);
}

std::unique_ptr<vsthost::Host> PluginRig::create() {
    auto host = std::make_unique<vsthost::Host>();
    check(host->create(library->entry("VSTPluginMain")), "the entry answered null");
    return host;
}

std::unique_ptr<vsthost::Host> PluginRig::started(float sampleRate, int blockSize) {
    auto host = create();
    host->start(sampleRate, blockSize);
    return host;
}

namespace {

// Output buffers start as NaN so that a frame the plug-in did not write
// shows up as a non-finite output.
template <class Sample>
double runBlock(AEffect* e, const Signal& signal, long start, int frames, const std::string& what) {
    const size_t n = static_cast<size_t>(frames);
    std::vector<std::vector<Sample>> in(2, std::vector<Sample>(n)),
        out(2, std::vector<Sample>(n, Sample(NAN)));
    for (size_t i = 0; i < n; ++i)
        in[0][i] = in[1][i] = static_cast<Sample>(signal(start + static_cast<long>(i)));
    std::vector<Sample*> inPtr{in[0].data(), in[1].data()}, outPtr{out[0].data(), out[1].data()};
    if constexpr (sizeof(Sample) == sizeof(float))
        e->processReplacing(e, inPtr.data(), outPtr.data(), frames);
    else
        e->processDoubleReplacing(e, inPtr.data(), outPtr.data(), frames);
    double peak = 0.0;
    for (size_t ch = 0; ch < 2; ++ch)
        for (size_t i = 0; i < n; ++i) {
            const double y = static_cast<double>(out[ch][i]);
            if (!std::isfinite(y) || std::fabs(y) > kOutputBound)
                fail(what + ": output " + std::to_string(y) + " at channel " + std::to_string(ch) +
                     " frame " + std::to_string(start + static_cast<long>(i)));
            peak = std::max(peak, std::fabs(y));
        }
    return peak;
}

} // namespace

double processChecked(AEffect* effect, const Signal& signal, long start, int frames,
                      bool doublePrecision, const std::string& what) {
    return doublePrecision ? runBlock<double>(effect, signal, start, frames, what)
                           : runBlock<float>(effect, signal, start, frames, what);
}

double processChecked(vsthost::Host& host, const Signal& signal, long start, int frames,
                      bool doublePrecision, const std::string& what) {
    return processChecked(host.effect(), signal, start, frames, doublePrecision, what);
}

double processBlocks(vsthost::Host& host, const Signal& signal, int blocks, int frames,
                     bool doublePrecision, const std::string& what) {
    double peak = 0.0;
    for (int b = 0; b < blocks; ++b)
        peak = std::max(peak, processChecked(host, signal, static_cast<long>(b) * frames, frames,
                                             doublePrecision, what));
    // The host records every callback; a long run must not keep them all.
    host.calls.clear();
    return peak;
}

std::string formatPeak(double peak) {
    char text[48];
    std::snprintf(text, sizeof text, "peak %.3g", peak);
    return text;
}

} // namespace gravelo::test::torture
