#include "AmpRun.h"

#include <jack/jack.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <unistd.h>

namespace gravelo::test::standalone {

namespace {

using namespace std::chrono_literals;

std::string serverName() {
    static int count = 0;
    return "gravelo-amp-test-" + std::to_string(getpid()) + "-" + std::to_string(++count);
}

} // namespace

AmpRun::AmpRun(int period) {
    setenv("XDG_CONFIG_HOME", config.path.c_str(), 1);
    server = std::make_unique<support::DummyJackServer>(serverName(), kRate, period,
                                                        config.path / "jackd.log");
}

// A client that was still connected when its server went leaves its
// semaphores in /dev/shm, named after the server.
AmpRun::~AmpRun() {
    test.reset();
    stopAmp();
    server->stop();
    std::error_code ignored;
    for (const auto& item : std::filesystem::directory_iterator("/dev/shm", ignored))
        if (item.path().filename().string().find("_" + server->name() + "_") != std::string::npos)
            std::filesystem::remove(item.path(), ignored);
}

namespace {

bool allPortsConnected(jack_client_t* client) {
    for (const char* name : {"Gravelo:in", "Gravelo:out_left", "Gravelo:out_right"}) {
        const jack_port_t* port = jack_port_by_name(client, name);
        if (port == nullptr || jack_port_connected(port) == 0) return false;
    }
    return true;
}

} // namespace

bool AmpRun::startAmp(const std::vector<std::string>& args, std::string& why, Start how) {
    std::vector<std::string> command{GRAVELO_AMP};
    if (!how.connect) command.push_back("--no-connect");
    if (!how.window) command.push_back("--no-gui");
    command.insert(command.end(), args.begin(), args.end());
    amp = std::make_unique<Child>(command, (config.path / "amp.log").string());
    if (test == nullptr) test = std::make_unique<JackTestClient>("test");
    if (!test->ok()) {
        why = "the test client did not open";
        return false;
    }
    const bool ready = support::waitFor(
        [&] { return amp->finished() || jack_port_by_name(test->client(), "Gravelo:midi_in"); },
        20s);
    if (!ready || amp->finished()) {
        why = "gravelo-amp did not come up: " + amp->text();
        return false;
    }
    // The amp connects its ports a moment after it registers them.
    if (how.connect && !support::waitFor([&] { return allPortsConnected(test->client()); }, 10s)) {
        why = "gravelo-amp did not connect its ports: " + amp->text();
        return false;
    }
    if (!test->connectTo("Gravelo")) {
        why = "could not connect to Gravelo";
        return false;
    }
    return true;
}

bool AmpRun::connected(const std::string& from, const std::string& to) const {
    const jack_port_t* port = jack_port_by_name(test->client(), from.c_str());
    return port != nullptr && jack_port_connected_to(port, to.c_str()) != 0;
}

int AmpRun::stopAmp() {
    if (!amp) return -1;
    const int status = amp->stop();
    // The server forgets a client a moment after it ends; until then a new
    // client asking for the name would be renamed ("Gravelo-01").
    if (test != nullptr && test->ok())
        support::waitFor(
            [&] { return jack_port_by_name(test->client(), "Gravelo:midi_in") == nullptr; }, 5s);
    return status;
}

std::vector<float> leadAndSignal(double seconds, double signalSeconds) {
    std::vector<float> samples(static_cast<size_t>(seconds * kRate), 0.0f);
    const render::Audio signal = render::testSignal(kRate, 1, signalSeconds);
    for (double v : signal.samples)
        samples.push_back(static_cast<float>(v));
    return samples;
}

std::vector<float> render(const render::TempDir& folder, const std::vector<float>& input,
                          const std::vector<std::string>& args) {
    render::Audio audio;
    audio.rate = kRate;
    audio.samples.assign(input.begin(), input.end());
    const std::string in = folder.file("render-in.wav"), out = folder.file("render-out.wav");
    render::writeAudio(in, audio);
    std::vector<std::string> command{"--quiet"};
    command.insert(command.end(), args.begin(), args.end());
    command.push_back(in);
    command.push_back(out);
    if (render::runTool(command).exitCode != 0) return {};
    const render::Audio rendered = render::readAudio(out);
    std::vector<float> left;
    for (int64_t i = 0; i < rendered.frames(); ++i)
        left.push_back(static_cast<float>(rendered.at(i, 0)));
    return left;
}

Alignment align(const std::vector<float>& recorded, const std::vector<float>& rendered, size_t from,
                long maxShift) {
    Alignment best{0, std::numeric_limits<double>::infinity()};
    for (long shift = -maxShift; shift <= maxShift; ++shift) {
        double worst = 0.0;
        size_t compared = 0;
        for (size_t i = from; i < rendered.size(); ++i) {
            const long k = static_cast<long>(i) - shift;
            if (k < 0 || static_cast<size_t>(k) >= recorded.size()) continue;
            worst =
                std::max(worst, std::fabs(static_cast<double>(recorded[static_cast<size_t>(k)]) -
                                          rendered[i]));
            ++compared;
            if (worst >= best.difference) break;
        }
        if (compared > 0 && worst < best.difference) best = {shift, worst};
    }
    return best;
}

} // namespace gravelo::test::standalone
