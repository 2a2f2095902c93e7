#include "support/JackServer.h"

#include <cstdlib>
#include <unistd.h>

namespace gravelo::test::support {

DummyJackServer::DummyJackServer(const std::string& name, int rate, int period,
                                 const std::filesystem::path& log)
    : serverName(name) {
    using namespace std::chrono_literals;
    setenv("JACK_DEFAULT_SERVER", name.c_str(), 1);
    setenv("JACK_NO_START_SERVER", "1", 1);
    server = std::make_unique<Child>(
        std::vector<std::string>{"jackd", "--no-realtime", "-n", name, "-d", "dummy", "-r",
                                 std::to_string(rate), "-p", std::to_string(period)},
        log.string());
    const std::string socket = "/dev/shm/jack_" + name + "_" + std::to_string(getuid()) + "_0";
    up = waitFor([&] { return std::filesystem::exists(socket); }, 10s);
}

int DummyJackServer::stop() {
    up = false;
    return server != nullptr ? server->stop() : -1;
}

} // namespace gravelo::test::support
