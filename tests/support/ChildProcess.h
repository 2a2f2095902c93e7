// A program run beside a test, its output in a file, stopped by its own pid
// (SIGTERM, then waited for) when the test is done with it.
#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace testsupport {

class Child {
  public:
    // Runs args[0] (looked up in PATH) with the test's environment.
    Child(const std::vector<std::string>& args, std::string outputFile);
    ~Child() { stop(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // SIGTERM, then the exit status (128 + signal when it did not exit).
    int stop();
    // Whether it has exited by itself (then stop() only reports how).
    bool finished();
    // Its output so far.
    std::string text() const;
    pid_t id() const { return pid; }

  private:
    std::string output;
    pid_t pid = -1;
    int status = -1;
};

// Polls `ready` every 50 ms until it answers true or `limit` passed.
template <class Ready> bool waitFor(Ready ready, std::chrono::milliseconds limit) {
    using namespace std::chrono_literals;
    for (auto waited = 0ms; waited < limit; waited += 50ms) {
        if (ready()) return true;
        std::this_thread::sleep_for(50ms);
    }
    return ready();
}

} // namespace testsupport
