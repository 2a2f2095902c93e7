// Careless hosts on the audio path: odd block sizes, bad samples, sample
// rates from none to 768 kHz, processing before resume, parameter storms.
#include "Check.h"
#include "PluginRig.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <limits>
#include <random>
#include <thread>
#include <vector>

namespace gravelo::test::torture {
namespace {

// Every control at the end of its range that drives hardest.
void worstCase(vsthost::Host& host) {
    for (int i = 0; i < host.effect()->numParams; ++i)
        host.setParameter(i, 1.0f);
}

double square(long frame) {
    return (frame / 50) % 2 ? 1.0 : -1.0;
}
double dc(long) {
    return 1.0;
}

TEST(Audio, BlocksOf0And1And7And65536Frames) {
    PluginRig rig;
    double peak = 0.0;
    for (bool dbl : {false, true})
        for (int frames : {0, 1, 7, 65536, 7, 1, 0}) {
            auto host = rig.started(48000.0f, frames);
            peak = std::max(peak, processBlocks(*host, sine, 3, frames, dbl,
                                                std::to_string(frames) + " frames"));
        }
    // Hosts send blocks larger than the size they announced.
    auto liar = rig.started(48000.0f, 64);
    peak = std::max(
        peak, processBlocks(*liar, sine, 2, 65536, false, "65536 frames after announcing 64"));
    note(formatPeak(peak));
}

// A signal that is normal audio except for a stretch of `bad` samples,
// then normal audio again, which must come out as audio, not silence.
void badSamples(double bad, const std::string& what) {
    PluginRig rig;
    for (bool dbl : {false, true})
        for (bool hard : {false, true}) {
            auto host = rig.started();
            if (hard) worstCase(*host);
            const Signal signal = [bad](long f) { return f >= 1000 && f < 1300 ? bad : sine(f); };
            processBlocks(*host, signal, 4, 512, dbl, what);
            const double after = processBlocks(*host, sine, 20, 512, dbl, what + ", then audio");
            ASSERT_TRUE(after > 1e-3)
                << what + ": silence after the bad samples (" + formatPeak(after) + ")";
        }
}

TEST(Audio, NaNSamples) {
    badSamples(std::numeric_limits<double>::quiet_NaN(), "NaN");
}

TEST(Audio, InfiniteSamples) {
    badSamples(INFINITY, "+inf");
    badSamples(-INFINITY, "-inf");
}

TEST(Audio, DenormalSamples) {
    badSamples(1e-310, "denormal");
    badSamples(1e-40, "float denormal");
}

// Absurd but finite samples pass the limiter's 1 ms attack as a spike, so
// only finiteness is asked of them, and audio afterwards.
void hugeSamples(double huge, const std::string& what) {
    PluginRig rig;
    for (bool dbl : {false, true}) {
        auto host = rig.started();
        std::vector<double> out;
        const size_t frames = 2048;
        std::vector<std::vector<double>> in(2, std::vector<double>(frames)),
            o(2, std::vector<double>(frames));
        for (size_t i = 0; i < frames; ++i)
            in[0][i] = in[1][i] = i >= 1000 && i < 1100 ? huge : sine(long(i));
        if (dbl) {
            host->process(in, o);
        } else {
            std::vector<std::vector<float>> fin(2, std::vector<float>(frames)),
                fo(2, std::vector<float>(frames));
            for (size_t i = 0; i < frames; ++i)
                fin[0][i] = fin[1][i] = static_cast<float>(in[0][i]);
            host->process(fin, fo);
            for (size_t i = 0; i < frames; ++i)
                o[0][i] = fo[0][i];
        }
        for (size_t i = 0; i < frames; ++i)
            ASSERT_TRUE(std::isfinite(o[0][i]))
                << what + ": output not finite at " + std::to_string(i);
        const double after = processBlocks(*host, sine, 200, 480, dbl, what + ", then audio");
        ASSERT_TRUE(after > 1e-3) << what + ": silence after the huge samples";
    }
}

TEST(Audio, HugeFiniteSamples) {
    hugeSamples(1e300, "1e300");
    hugeSamples(3e38, "3e38");
}

void fullScale(const Signal& signal, const std::string& what) {
    PluginRig rig;
    double peak = 0.0;
    for (bool dbl : {false, true})
        for (bool hard : {false, true}) {
            auto host = rig.started();
            if (hard) worstCase(*host);
            peak = std::max(peak, processBlocks(*host, signal, 200, 480, dbl, what));
        }
    note(formatPeak(peak));
}

TEST(Audio, FullScaleSquareWave) {
    fullScale(square, "square");
}

TEST(Audio, FullScaleDC) {
    fullScale(dc, "DC");
}

constexpr float kRates[] = {8000.0f,  11025.0f,  22050.0f,  44100.0f,  48000.0f, 88200.0f,
                            96000.0f, 192000.0f, 384000.0f, 768000.0f, 0.0f,     44100.0f};

void sampleRates(bool resumeEach) {
    PluginRig rig;
    auto host = rig.started();
    worstCase(*host);
    long frame = 0;
    for (float rate : kRates) {
        if (resumeEach) host->dispatch(effMainsChanged, 0, 0);
        host->dispatch(effSetSampleRate, 0, 0, nullptr, rate);
        if (resumeEach) host->dispatch(effMainsChanged, 0, 1);
        for (int b = 0; b < 8; ++b, frame += 256)
            processChecked(*host, sine, frame, 256, b % 2, "rate " + std::to_string(rate));
    }
}

TEST(Audio, SampleRates8kHzTo768kHzAnd0WithResumes) {
    sampleRates(true);
}

TEST(Audio, SampleRates8kHzTo768kHzAnd0WithoutResumes) {
    sampleRates(false);
}

TEST(Audio, NegativeNaNInfinite1HzAndHugeSampleRates) {
    PluginRig rig;
    for (float rate : {-48000.0f, std::numeric_limits<float>::quiet_NaN(),
                       std::numeric_limits<float>::infinity(), 1.0f, 1e30f}) {
        auto host = rig.started(rate, 256);
        processBlocks(*host, sine, 8, 256, false, "rate " + std::to_string(rate));
    }
}

TEST(Audio, ProcessingBeforeOpenAndBeforeResume) {
    PluginRig rig;
    auto bare = rig.create(); // not even opened
    processBlocks(*bare, sine, 4, 256, false, "before open");
    processBlocks(*bare, sine, 4, 256, true, "before open, double");
    auto opened = rig.create();
    opened->dispatch(effOpen);
    processBlocks(*opened, sine, 4, 256, false, "before resume");
    opened->dispatch(effMainsChanged, 0, 0); // suspended without ever running
    processBlocks(*opened, sine, 4, 256, true, "suspended");
}

// One thread sets parameters as fast as it can, with values and indexes a
// buggy host might send, while this thread runs audio.
TEST(Audio, SetParameterStormFromASecondThreadDuringAudio) {
    PluginRig rig;
    auto host = rig.started();
    std::atomic<bool> stop{false};
    std::atomic<long> changes{0};
    AEffect* effect = host->effect();
    std::thread storm([&] {
        std::mt19937 random(7);
        // Inside 0..1: values outside reach the sliders unclamped, by design,
        // and may then legitimately drive the output past any fixed bound.
        std::uniform_real_distribution<float> value(0.0f, 1.0f);
        const float odd[] = {NAN, INFINITY, -INFINITY, 0.0f, 1.0f, 1e-42f};
        while (!stop.load(std::memory_order_relaxed)) {
            const int index = static_cast<int>(random() % 13) - 2; // a few outside the nine
            const float v = random() % 8 == 0 ? odd[random() % 6] : value(random);
            effect->setParameter(effect, index, v);
            effect->getParameter(effect, index);
            changes.fetch_add(1, std::memory_order_relaxed);
        }
    });
    // Audio goes on until the storm has really blown, however the threads are scheduled.
    const auto start = std::chrono::steady_clock::now();
    long b = 0;
    for (; b < 400 || (changes.load() < 200000 &&
                       std::chrono::steady_clock::now() - start < std::chrono::seconds(5));
         ++b)
        processChecked(*host, sine, b * 128L, 128, b % 2, "during the storm");
    stop = true;
    storm.join();
    host->calls.clear();
    ASSERT_TRUE(changes.load() > 0) << "the storm thread never ran";
    note(std::to_string(changes.load()) + " parameter changes during " + std::to_string(b) +
         " blocks");
}

} // namespace
} // namespace gravelo::test::torture
