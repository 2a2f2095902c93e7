#include "VirtualDisplay.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testdisplay {
namespace {

constexpr int kStartTimeoutMs = 10000;

// The display number Xvfb writes once it accepts connections.
std::string readDisplayNumber(int fd) {
    std::string number;
    pollfd wait{fd, POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, kStartTimeoutMs) > 0 && read(fd, &c, 1) == 1 && c != '\n')
        number += c;
    return number;
}

// Runs in the forked child: no allocation from here on.
[[noreturn]] void runServer(const char* reportFd, pid_t client) {
    // The server goes with the program that started it, however that ends
    // (a crash, a timeout's kill), rather than outliving it.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != client) _exit(1);
    // Xvfb reports each display it finds taken on its way to a free one.
    const int quiet = open("/dev/null", O_WRONLY);
    if (quiet >= 0) dup2(quiet, STDERR_FILENO);
    execlp("Xvfb", "Xvfb", "-displayfd", reportFd, "-screen", "0", "1024x768x24", "-nolisten",
           "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
}

} // namespace

VirtualDisplay::VirtualDisplay() {
    int fds[2];
    if (pipe(fds) != 0) return;
    const pid_t client = getpid();
    const std::string reportFd = std::to_string(fds[1]);
    server = fork();
    if (server == 0) {
        close(fds[0]);
        runServer(reportFd.c_str(), client);
    }
    close(fds[1]);
    if (server > 0) {
        const std::string number = readDisplayNumber(fds[0]);
        if (!number.empty()) displayName = ":" + number;
    }
    close(fds[0]);
    if (!displayName.empty()) setenv("DISPLAY", displayName.c_str(), 1);
}

VirtualDisplay::~VirtualDisplay() {
    if (server <= 0) return;
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
}

} // namespace testdisplay
