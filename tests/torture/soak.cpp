// gravelo-soak: a long run of one instance as a busy session would use it.
// An audio thread processes blocks at a multiple of real time while this
// thread plays the host's user-interface side: random automation, chunk
// loads, the editor open under a private Xvfb with its idle tick, synthetic
// mouse drags over the knobs, and the editor closed and reopened now and
// then. Outputs must stay finite and bounded; resident memory is sampled
// after warm-up and at the end and must not grow.
// A run that outlasts SECONDS by two minutes is stopped by an alarm.
//   gravelo-soak [SECONDS] [--no-rss-check]   (default 3600 s; the check is
//   left out under a sanitizer, whose quarantine keeps freed memory resident)
#include "Check.h"
#include "PluginRig.h"
#include "effect/panel/PanelLayout.h"
#include "support/HostWindow.h"
#include "support/VirtualDisplay.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kBlock = 256;
constexpr double kSampleRate = 48000.0;
constexpr double kSpeed = 8.0;           // audio runs at eight times real time
constexpr long kAllowedGrowthKb = 16384; // allocator noise, not a leak

long statusKb(const char* field) {
    long value = 0;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        const size_t n = std::strlen(field);
        while (std::fgets(line, sizeof line, f))
            if (std::strncmp(line, field, n) == 0) value = std::atol(line + n);
        std::fclose(f);
    }
    return value;
}

// A bass-like test signal: a low note with harmonics and a slow envelope.
double bassLine(long frame) {
    const double t = static_cast<double>(frame) / kSampleRate;
    const double note = 41.2 * (1 + (frame / 24000) % 4);
    const double envelope = 0.3 + 0.7 * std::exp(-8.0 * std::fmod(t, 0.5));
    return 0.8 * envelope * (std::sin(6.283 * note * t) + 0.3 * std::sin(6.283 * 3 * note * t));
}

// One instance started as a host starts it, with the transport playing.
// Its host answers from two threads at once (audio asks for the time every
// block while the editor works), so it keeps no record of calls.
class Instance : public gravelo::vsthost::Host {
  public:
    explicit Instance(gravelo::vsthost::EntryFunction entry) {
        recording = false;
        timeInfo = VstTimeInfo{};
        timeInfo->sampleRate = kSampleRate;
        timeInfo->tempo = 120.0;
        timeInfo->timeSigNumerator = timeInfo->timeSigDenominator = 4;
        timeInfo->flags =
            kVstTransportPlaying | kVstPpqPosValid | kVstTempoValid | kVstTimeSigValid;
        gravelo::test::torture::check(create(entry), "the entry answered null");
        start(kSampleRate, kBlock);
    }
    ~Instance() { dispatch(effMainsChanged, 0, 0); }
    std::vector<uint8_t> chunk() {
        std::vector<uint8_t> bytes = getChunk();
        gravelo::test::torture::check(!bytes.empty(), "getChunk gave nothing");
        return bytes;
    }
};

struct Figures {
    std::atomic<long> blocks{0};
    double peak = 0.0;
    std::exception_ptr failure; // set by the audio thread, which then stops
};

void audioThread(Instance& host, std::atomic<bool>& stop, Figures& figures) {
    const auto period = std::chrono::duration<double>(kBlock / kSampleRate / kSpeed);
    auto next = Clock::now();
    try {
        for (long b = 0; !stop.load(); ++b) {
            const double peak = gravelo::test::torture::processChecked(
                host, bassLine, b * kBlock, kBlock, b % 10 == 0, "soak audio");
            figures.peak = std::max(figures.peak, peak);
            figures.blocks.fetch_add(1);
            next += std::chrono::duration_cast<Clock::duration>(period);
            std::this_thread::sleep_until(next);
        }
    } catch (const gravelo::test::torture::Failure&) {
        figures.failure = std::current_exception();
        stop = true;
    }
}

// Saved states of random in-range settings, as a user's presets would be.
std::vector<std::vector<uint8_t>> makePresets(gravelo::test::torture::PluginRig& rig,
                                              std::mt19937& random) {
    std::vector<std::vector<uint8_t>> presets;
    Instance scratch(rig.entry());
    std::uniform_real_distribution<float> position(0.0f, 1.0f);
    for (int p = 0; p < 8; ++p) {
        for (int i = 0; i < 9; ++i)
            scratch.setParameter(i, position(random));
        presets.push_back(scratch.chunk());
    }
    return presets;
}

class Session {
  public:
    Session(gravelo::test::torture::PluginRig& rig, Instance& instance)
        : host(instance), random(1), presets(makePresets(rig, random)) {}

    void openEditor() { editorOpen = host.dispatch(effEditOpen, 0, 0, window.handle()) != 0; }
    void closeEditor() {
        host.dispatch(effEditClose);
        editorOpen = false;
    }
    // One user-interface tick (about 30 ms): idle, and now and then a drag,
    // an automation change, a chunk load or an editor reopen.
    void tick(long n) {
        host.dispatch(effEditIdle);
        if (n % 3 == 0) automate();
        if (n % 50 == 0) drag();
        if (n % 300 == 0) loadPreset();
        if (n % 2000 == 1999) {
            closeEditor();
            openEditor();
        }
    }
    bool editorOpen = false;
    long drags = 0, loads = 0, changes = 0;

  private:
    void automate() {
        std::uniform_real_distribution<float> position(0.0f, 1.0f);
        host.setParameter(static_cast<VstInt32>(random() % 9), position(random));
        ++changes;
    }
    void drag() {
        const auto& knob =
            gravelo::panel_layout::kKnobs[random() % gravelo::panel_layout::kKnobs.size()];
        window.drag(int(knob.centreX()), int(knob.centreY()), static_cast<int>(random() % 81) - 40,
                    6);
        ++drags;
    }
    void loadPreset() {
        const auto& preset = presets[random() % presets.size()];
        host.setChunk(preset.data(), preset.size());
        ++loads;
    }

    Instance& host;
    gravelo::test::display::HostWindow window;
    std::mt19937 random;
    std::vector<std::vector<uint8_t>> presets;
};

void soak(int seconds, bool rssCheck) {
    gravelo::test::torture::PluginRig rig;
    Instance host(rig.entry());
    Session session(rig, host);
    session.openEditor();
    std::atomic<bool> stop{false};
    Figures figures;
    std::thread audio(audioThread, std::ref(host), std::ref(stop), std::ref(figures));

    const auto start = Clock::now();
    const auto warmUp = start + std::chrono::seconds(std::min(seconds / 10, 60));
    long startKb = -1;
    for (long n = 0; !stop.load() && Clock::now() - start < std::chrono::seconds(seconds); ++n) {
        session.tick(n);
        if (startKb < 0 && Clock::now() >= warmUp) startKb = statusKb("VmRSS:");
        std::this_thread::sleep_for(30ms);
    }
    stop = true;
    audio.join();
    if (figures.failure) std::rethrow_exception(figures.failure);
    session.closeEditor();
    const long endKb = statusKb("VmRSS:");
    std::printf("soak: %d s, %ld blocks (%.1f min of audio), %ld automation changes, %ld drags, "
                "%ld chunk loads, "
                "editor %s, output %s\n",
                seconds, figures.blocks.load(), figures.blocks.load() * kBlock / kSampleRate / 60.0,
                session.changes, session.drags, session.loads,
                session.editorOpen || session.drags > 0 ? "open" : "unavailable",
                gravelo::test::torture::formatPeak(figures.peak).c_str());
    std::printf("soak: resident memory %ld MB after warm-up, %ld MB at the end, peak %ld MB\n",
                startKb / 1024, endKb / 1024, statusKb("VmHWM:") / 1024);
    gravelo::test::torture::check(!rssCheck || endKb - startKb <= kAllowedGrowthKb,
                                  "resident memory grew by " +
                                      std::to_string((endKb - startKb) / 1024) + " MB");
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 3600;
    const bool rssCheck = !(argc > 2 && std::strcmp(argv[2], "--no-rss-check") == 0);
    alarm(static_cast<unsigned>(seconds + 120));
    gravelo::test::display::VirtualDisplay display;
    if (display.name().empty()) {
        std::fprintf(stderr, "soak: Xvfb did not start\n");
        return 1;
    }
    try {
        soak(seconds, rssCheck);
    } catch (const std::exception& failure) {
        std::printf("soak: FAIL %s\n", failure.what());
        return 1;
    }
    std::printf("soak: passed\n");
    return 0;
}
