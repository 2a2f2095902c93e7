// One thread processes audio while another sweeps every parameter, loads
// chunks, runs the panel's control update and reads the meters, as a host's
// user-interface thread may do at any moment. Run under ThreadSanitizer too.
#include "DspTestSupport.h"
#include "PluginSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using gravelo::test::dsp::Plugin;

namespace {

constexpr auto kDuration = std::chrono::seconds(3);

std::vector<float> chunkWith(const gravelo::test::dsp::Sliders& s) {
    std::vector<float> chunk(65, 0.0f);
    chunk[0] = -1000.0f;
    for (int n = 1; n <= 9; ++n)
        chunk[static_cast<size_t>(n)] = static_cast<float>(s.s[n]);
    return chunk;
}

struct AudioResult {
    long blocks = 0;
    bool allFinite = true;
    double peak = 0.0;
};

void processUntil(Plugin& p, const std::atomic<bool>& stop, AudioResult& result) {
    const auto x = gravelo::test::dsp::testSignal(48000, 0.8);
    std::vector<float> l(256), r(256), ol(256), orr(256);
    std::vector<double> dl(256), dr(256), dol(256), dor(256);
    size_t position = 0;
    while (!stop.load(std::memory_order_relaxed)) {
        for (size_t i = 0; i < 256; ++i)
            dl[i] = l[i] = static_cast<float>(x[(position + i) % x.size()]);
        position += 256;
        const bool dual = result.blocks % 3 == 0;
        if (dual)
            p.process(dl, dr, dol, dor);
        else
            p.process(l, r, ol, orr);
        for (size_t i = 0; i < 256; ++i) {
            const double v = dual ? dol[i] : ol[i];
            result.allFinite = result.allFinite && std::isfinite(v);
            result.peak = std::max(result.peak, std::fabs(v));
        }
        ++result.blocks;
    }
}

} // namespace

TEST(Concurrency, ParameterSweepsAndChunkLoadsDuringProcessing) {
    Plugin p;
    p.start();
    std::atomic<bool> stop{false};
    AudioResult audio;
    std::thread audioThread([&] { processUntil(p, stop, audio); });

    const std::vector<float> chunks[] = {
        chunkWith(gravelo::test::dsp::worstCase()), chunkWith(gravelo::test::dsp::Sliders{}),
        chunkWith(
            gravelo::test::dsp::Sliders{}.set(1, 40).set(2, 20).set(4, 10).set(5, -6).set(7, -6))};
    const auto start = std::chrono::steady_clock::now();
    long sweeps = 0;
    double meterSum = 0.0;
    TVobrixEffect& fx = p.runtime();
    while (std::chrono::steady_clock::now() - start < kDuration) {
        for (VstInt32 index = 0; index < 9; ++index)
            p.setParameter(index, static_cast<float>((sweeps * 7 + index * 3) % 101) / 100.0f);
        if (sweeps % 10 == 0) {
            const auto& chunk = chunks[(sweeps / 10) % 3];
            p.dispatch(effSetChunk, 0, static_cast<VstIntPtr>(chunk.size() * sizeof(float)),
                       const_cast<float*>(chunk.data()));
        }
        // As a knob drag does: the slider is written, the audio thread follows.
        fx.sliderValues[5] = static_cast<double>(sweeps % 9) - 4.0;
        for (int band = 0; band < 4; ++band)
            meterSum += fx.amp.displayedGain(band);
        meterSum += fx.amp.takeClipFlag() + fx.amp.bandSplitInput() * 0.0;
        ++sweeps;
        std::this_thread::yield();
    }
    stop = true;
    audioThread.join();

    EXPECT_GT(sweeps, 100);
    EXPECT_GT(audio.blocks, 100);
    EXPECT_TRUE(audio.allFinite);
    EXPECT_LT(audio.peak, 1000.0);
    EXPECT_GT(audio.peak, 0.01);
    EXPECT_TRUE(std::isfinite(meterSum));
}
