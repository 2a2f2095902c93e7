#include "support/ChildProcess.h"

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <pty.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace gravelo::test::support {

namespace {

std::vector<std::string> mergedEnvironment(const std::vector<std::string>& changes) {
    std::vector<std::string> merged;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string current = *entry;
        const std::string name = current.substr(0, current.find('=') + 1);
        bool replaced = false;
        for (const std::string& change : changes)
            replaced = replaced || change.compare(0, name.size(), name) == 0;
        if (!replaced) merged.push_back(current);
    }
    merged.insert(merged.end(), changes.begin(), changes.end());
    return merged;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (std::string& text : texts)
        result.push_back(text.data());
    result.push_back(nullptr);
    return result;
}

void redirect(const std::string& file, int flags, int target) {
    if (file.empty()) return;
    const int fd = open(file.c_str(), flags, 0600);
    if (fd < 0) _exit(126);
    dup2(fd, target);
    if (fd != target) close(fd);
}

} // namespace

Child::Child(const std::vector<std::string>& args, const ChildSetup& setup) : output(setup.output) {
    std::vector<std::string> argTexts = args;
    std::vector<std::string> envTexts = mergedEnvironment(setup.environment);
    std::vector<char*> argv = pointers(argTexts);
    std::vector<char*> envp = pointers(envTexts);
    const std::string errors = setup.errors.empty() ? setup.output : setup.errors;
    const pid_t parent = getpid();
    pid = setup.onTerminal ? forkpty(&terminal, nullptr, nullptr, nullptr) : fork();
    if (pid != 0) return;
    if (setup.endsWithTest) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(1); // the test ended before the line above
    }
    if (!setup.onTerminal) {
        redirect(setup.input, O_RDONLY, STDIN_FILENO);
        redirect(setup.output, O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
        if (errors != setup.output || setup.output.empty())
            redirect(errors, O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
        else
            dup2(STDOUT_FILENO, STDERR_FILENO);
    }
    execvpe(argv[0], argv.data(), envp.data());
    _exit(127);
}

namespace {

ChildSetup intoOneFile(std::string file) {
    ChildSetup setup;
    setup.output = std::move(file);
    return setup;
}

} // namespace

Child::Child(const std::vector<std::string>& args, std::string outputFile)
    : Child(args, intoOneFile(std::move(outputFile))) {}

void Child::reap(int raw) {
    pid = -1;
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    if (terminal >= 0) close(terminal);
    terminal = -1;
}

void Child::signal(int number) {
    if (pid > 0) kill(pid, number);
}

int Child::wait() {
    if (pid <= 0) return status;
    int raw = 0;
    while (waitpid(pid, &raw, 0) < 0) {
    }
    reap(raw);
    return status;
}

int Child::stop() {
    signal(SIGTERM);
    return wait();
}

bool Child::finished() {
    int raw = 0;
    if (pid <= 0) return true;
    if (waitpid(pid, &raw, WNOHANG) != pid) return false;
    reap(raw);
    return true;
}

std::string Child::text() const {
    std::ifstream in(output);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string Child::terminalText() {
    std::string shown;
    char buffer[4096];
    ssize_t n = 0;
    while (terminal >= 0 && (n = read(terminal, buffer, sizeof buffer)) > 0)
        shown.append(buffer, static_cast<size_t>(n));
    return shown;
}

} // namespace gravelo::test::support
