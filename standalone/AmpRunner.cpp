#include "standalone/AmpRunner.h"

#include "programs/Interruption.h"
#include "standalone/AmpWindow.h"
#include "standalone/JackAmp.h"
#include "standalone/PracticeSession.h"

#include <poll.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <thread>

namespace gravelo::standalone {

namespace {

constexpr auto kIdleTick = std::chrono::milliseconds(50);

double secondsNow() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void listPresets(const PresetList& presets) {
    for (size_t i = 0; i < presets.size(); ++i)
        std::printf("%3zu  %s\n", i, presets[i].name.c_str());
}

// The work of every tick, with or without a window, and what the strip's
// buttons do.
class Loop final : public StripListener {
  public:
    Loop(JackAmp& client, PracticeSession& practice, InputPeak& inputPeak,
         const std::function<void(const std::string&)>& sayLine)
        : jack(client), session(practice), peak(inputPeak), say(sayLine) {}

    void tick() {
        jack.followSampleRate();
        const uint32_t changes = jack.programChanges();
        if (changes != programChangesSeen) {
            programChangesSeen = changes;
            session.programApplied(jack.lastProgram());
        }
        session.saveIfDue(secondsNow());
    }

    StripStatus status() {
        const double now = secondsNow();
        meter.update(peak.take(), now);
        return {session.presetName(), meter.fraction(), meter.clipLit(now),
                static_cast<int>(std::lround(jack.dspLoad())), jack.xruns()};
    }

    void stripPrevious() override { session.selectPrevious(); }
    void stripNext() override { session.selectNext(); }
    void stripSave() override {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        try {
            say("saved the preset '" + session.saveUserPreset(local) + "'");
        } catch (const StateFileError& error) {
            say(error.what());
        }
    }

  private:
    JackAmp& jack;
    PracticeSession& session;
    InputPeak& peak;
    const std::function<void(const std::string&)>& say;
    MeterDisplay meter;
    uint32_t programChangesSeen = 0;
};

// Waits for the window's events, or one tick of its redraw rate.
void waitForWindow(const AmpWindow& window) {
    std::vector<pollfd> polled;
    for (int fd : window.eventDescriptors())
        polled.push_back({fd, POLLIN, 0});
    poll(polled.data(), polled.size(), 1000 / AmpWindow::kTickRate);
}

} // namespace

int runAmp(const AmpOptions& options, const std::function<void(const std::string&)>& say) {
    instance::AmpInstance amp;
    PracticeSession session(amp, configPathsFromEnvironment(), say);
    if (options.listPresets) {
        listPresets(session.presets());
        return 0;
    }
    session.loadStartState(options);
    InputPeak peak;
    std::unique_ptr<JackAmp> jack;
    try {
        jack = std::make_unique<JackAmp>(options.clientName, amp, session.programs(), peak);
    } catch (const NoJackServer& error) {
        say(error.what());
        return 1;
    }
    jack->start();
    if (options.connect)
        for (const std::string& line : jack->connect(options.input, options.outputs))
            say(line);

    Loop loop(*jack, session, peak, say);
    std::unique_ptr<AmpWindow> window;
    if (options.gui) {
        window = AmpWindow::open(amp, loop);
        if (window == nullptr) say("no display to show the window on; running without it");
    }
    while (!render::interruptionRequested() && !jack->serverGone()) {
        if (window != nullptr) {
            if (window->closeRequested()) break;
            waitForWindow(*window);
            window->tick(loop.status());
        } else {
            std::this_thread::sleep_for(kIdleTick);
        }
        loop.tick();
    }
    window.reset();
    session.saveLast();
    if (jack->serverGone()) {
        say("the JACK server went away; the state is saved in " + session.paths().last.string());
        return 1;
    }
    return 0;
}

} // namespace gravelo::standalone
