#include "CaseRunner.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

namespace torture {
namespace {

// The child's verdict travels back through this pipe: the note or the
// reason for a failure, as text.
int reportPipe = -1;

void report(const std::string& text) {
    if (reportPipe < 0) return;
    const std::string line = text + "\n";
    ssize_t ignored = write(reportPipe, line.data(), line.size());
    (void)ignored;
}

std::string readAll(int fd) {
    std::string text;
    char buffer[512];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    for (char& c : text)
        if (c == '\n') c = ';';
    return text;
}

std::string describeStatus(int status) {
    if (WIFSIGNALED(status)) {
        const int sig = WTERMSIG(status);
        return sig == SIGALRM ? "timed out" : std::string("killed by signal ") + strsignal(sig);
    }
    return "exit status " + std::to_string(WEXITSTATUS(status));
}

} // namespace

void fail(const std::string& why) {
    report("FAIL " + why);
    std::_Exit(1);
}

void check(bool condition, const std::string& why) {
    if (!condition) fail(why);
}

void note(const std::string& text) {
    report(text);
}

bool CaseRunner::run(const Case& c) {
    int fds[2];
    if (pipe(fds) != 0) std::abort();
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        reportPipe = fds[1];
        alarm(static_cast<unsigned>(secondsPerCase));
        c.body();
        std::fflush(stdout);
        // exit, not _Exit: the leak checker of a sanitizer build runs at exit.
        std::exit(0);
    }
    close(fds[1]);
    const std::string text = readAll(fds[0]);
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (ok) {
        ++passed;
        std::printf("ok    %s%s%s\n", c.name.c_str(), text.empty() ? "" : ": ", text.c_str());
    } else {
        ++failed;
        std::printf("FAIL  %s: %s%s%s\n", c.name.c_str(), describeStatus(status).c_str(),
                    text.empty() ? "" : "; ", text.c_str());
    }
    std::fflush(stdout);
    return ok;
}

} // namespace torture
