#include "VirtualDisplay.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace torture {
namespace {

constexpr int kStartTimeoutMs = 10000;

// Reads the display number Xvfb writes once it accepts connections.
std::string readDisplayNumber(int fd) {
    std::string number;
    pollfd p{fd, POLLIN, 0};
    char c;
    while (poll(&p, 1, kStartTimeoutMs) > 0 && read(fd, &c, 1) == 1 && c != '\n')
        number += c;
    return number;
}

} // namespace

VirtualDisplay::VirtualDisplay() {
    int fds[2];
    if (pipe(fds) != 0) return;
    server = fork();
    if (server == 0) {
        close(fds[0]);
        // Xvfb reports each display it finds taken on its way to a free one.
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) dup2(quiet, STDERR_FILENO);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (server > 0) {
        const std::string number = readDisplayNumber(fds[0]);
        if (!number.empty()) displayName = ":" + number;
    }
    close(fds[0]);
}

VirtualDisplay::~VirtualDisplay() {
    if (server <= 0) return;
    kill(server, SIGTERM);
    int status;
    waitpid(server, &status, 0);
}

} // namespace torture
