// A program run beside a test: the one way tests start, signal, stop and
// read other processes. Everything the child needs (arguments, environment,
// files) is prepared before the fork, so the child only redirects and execs.
// Descriptors without close-on-exec (a pipe's end) stay open in the child.
#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace gravelo::test::support {

struct ChildSetup {
    std::string input = "/dev/null"; // file on standard input
    std::string output;              // standard output's file; empty: the test's own
    std::string errors;              // standard error's file; empty: where output goes
    // "NAME=value" entries set in the child's environment over the test's.
    std::vector<std::string> environment;
    bool endsWithTest = false; // SIGTERM to the child when the test's process ends
    bool onTerminal = false;   // standard input, output and error on a pseudo-terminal
};

class Child {
  public:
    // Runs args[0] (looked up in PATH unless it holds a slash).
    Child(const std::vector<std::string>& args, const ChildSetup& setup);
    // Both output streams into outputFile.
    Child(const std::vector<std::string>& args, std::string outputFile);
    ~Child() { stop(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool started() const { return pid > 0 || status >= 0; }
    void signal(int number);
    // Waits until it exits by itself: its exit status, 128 + signal when a
    // signal ended it, 127 when it could not be run.
    int wait();
    // SIGTERM, then the status as wait() gives it.
    int stop();
    // Whether it has exited by itself (then stop() only reports how).
    bool finished();
    // Its output file so far.
    std::string text() const;
    // What it wrote to its terminal until it closed it (onTerminal only).
    std::string terminalText();
    pid_t id() const { return pid; }

  private:
    void reap(int raw);

    std::string output;
    pid_t pid = -1;
    int status = -1;
    int terminal = -1;
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

} // namespace gravelo::test::support
