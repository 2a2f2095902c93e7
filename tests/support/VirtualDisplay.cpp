#include "VirtualDisplay.h"

#include <cstdlib>
#include <poll.h>
#include <unistd.h>

namespace gravelo::test::display {
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

} // namespace

VirtualDisplay::VirtualDisplay() {
    int fds[2];
    if (pipe(fds) != 0) return;
    support::ChildSetup setup;
    // Xvfb reports each display it finds taken on its way to a free one.
    setup.errors = "/dev/null";
    // The server goes with the program that started it, however that ends
    // (a crash, a timeout's kill), rather than outliving it.
    setup.endsWithTest = true;
    server = std::make_unique<support::Child>(
        std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                 "1920x1200x24", "-nolisten", "tcp", "-noreset"},
        setup);
    close(fds[1]);
    if (server->started()) {
        const std::string number = readDisplayNumber(fds[0]);
        if (!number.empty()) displayName = ":" + number;
    }
    close(fds[0]);
    if (!displayName.empty()) setenv("DISPLAY", displayName.c_str(), 1);
}

VirtualDisplay::~VirtualDisplay() = default;

} // namespace gravelo::test::display
