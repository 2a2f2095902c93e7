// A JACK server on the dummy driver for one test: a name of its own (so
// that tests of several programs never meet), no real-time scheduling, and
// stopped with SIGTERM and waited for, since JACK keeps a registry of at
// most eight servers per machine in /dev/shm and a killed server keeps its
// slot. JACK clients of the test process and the programs it starts find it
// through JACK_DEFAULT_SERVER, and never start a server of their own.
#pragma once

#include "support/ChildProcess.h"

#include <filesystem>
#include <memory>
#include <string>

namespace gravelo::test::support {

class DummyJackServer {
  public:
    // `log` receives the server's output. running() tells whether it came up.
    DummyJackServer(const std::string& name, int rate, int period,
                    const std::filesystem::path& log);
    ~DummyJackServer() { stop(); }

    bool running() const { return up; }
    const std::string& name() const { return serverName; }
    // SIGTERM and wait: its exit status.
    int stop();

  private:
    std::string serverName;
    std::unique_ptr<Child> server;
    bool up = false;
};

} // namespace gravelo::test::support
