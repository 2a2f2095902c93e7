#include "standalone/AmpRunner.h"

#include "Interruption.h"
#include "standalone/JackAmp.h"
#include "standalone/PracticeSession.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

namespace standalone {

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

// The work of every tick, with or without a window.
class Loop {
  public:
    Loop(JackAmp& client, PracticeSession& practice) : jack(client), session(practice) {}
    void tick() {
        jack.followSampleRate();
        const uint32_t changes = jack.programChanges();
        if (changes != programChangesSeen) {
            programChangesSeen = changes;
            session.programApplied(jack.lastProgram());
        }
        session.saveIfDue(secondsNow());
    }

  private:
    JackAmp& jack;
    PracticeSession& session;
    uint32_t programChangesSeen = 0;
};

} // namespace

int runAmp(const AmpOptions& options, const std::function<void(const std::string&)>& say) {
    engine::AmpInstance amp;
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

    Loop loop(*jack, session);
    while (!render::interruptionRequested() && !jack->serverGone()) {
        std::this_thread::sleep_for(kIdleTick);
        loop.tick();
    }
    session.saveLast();
    if (jack->serverGone()) {
        say("the JACK server went away; the state is saved in " + session.paths().last.string());
        return 1;
    }
    return 0;
}

} // namespace standalone
