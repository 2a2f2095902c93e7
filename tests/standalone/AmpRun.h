// gravelo-amp run by a test as a user runs it: on a dummy JACK server of the
// test's own, with a configuration folder of its own ($XDG_CONFIG_HOME), and
// the test's player and recorder around it; and the comparison of what it
// played with gravelo-render's rendering of the same file.
#pragma once

#include "JackTestClient.h"
#include "RenderTestSupport.h"
#include "support/ChildProcess.h"
#include "support/JackServer.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace gravelo::test::standalone {

constexpr int kRate = 48000;

class AmpRun {
  public:
    // Starts the server with `period`; nothing else yet.
    explicit AmpRun(int period = 256);
    ~AmpRun();

    bool serverRunning() const { return server->running(); }
    // How gravelo-amp starts besides its arguments: by default without its
    // window (--no-gui) and without connecting to the server's ports.
    struct Start {
        bool window = false;
        bool connect = false;
    };
    // Starts gravelo-amp with `args`, waits for its ports and connects the
    // test client to them. False with the reason in `why`.
    bool startAmp(const std::vector<std::string>& args, std::string& why, Start how);
    bool startAmp(const std::vector<std::string>& args, std::string& why) {
        return startAmp(args, why, Start{});
    }
    // Whether port `from` is connected to port `to`.
    bool connected(const std::string& from, const std::string& to) const;
    // Closes the test client (before the server goes, so that it leaves
    // nothing behind).
    void closeClient() { test.reset(); }
    // SIGTERM and wait: the exit status.
    int stopAmp();
    std::string ampOutput() const { return amp ? amp->text() : std::string(); }
    support::Child* ampProcess() { return amp.get(); }
    support::DummyJackServer& jack() { return *server; }
    JackTestClient& client() { return *test; }

    std::filesystem::path configFolder() const { return config.path / "gravelo"; }
    std::filesystem::path lastState() const { return configFolder() / "last.fxp"; }
    const render::TempDir& folder() const { return config; }

  private:
    using Child = support::Child;
    render::TempDir config;
    std::unique_ptr<support::DummyJackServer> server;
    std::unique_ptr<Child> amp;
    std::unique_ptr<JackTestClient> test;
};

// `seconds` of silence, then the test signal for `signalSeconds`.
std::vector<float> leadAndSignal(double seconds, double signalSeconds);

// gravelo-render of `input` with `args` (--set, --load-preset), left channel.
std::vector<float> render(const render::TempDir& folder, const std::vector<float>& input,
                          const std::vector<std::string>& args);

// How a recording lines up with a render: the shift of the recording
// (recorded[i] answers rendered[i + offset]) and the largest difference
// from frame `from` of the render on.
struct Alignment {
    long offset = 0;
    double difference = 0.0;
};
Alignment align(const std::vector<float>& recorded, const std::vector<float>& rendered, size_t from,
                long maxShift);

} // namespace gravelo::test::standalone
