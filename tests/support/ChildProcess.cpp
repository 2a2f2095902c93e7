#include "support/ChildProcess.h"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

namespace {

int exitStatus(int raw) {
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
}

} // namespace

Child::Child(const std::vector<std::string>& args, std::string outputFile)
    : output(std::move(outputFile)) {
    pid = fork();
    if (pid != 0) return;
    const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(out, STDOUT_FILENO);
    dup2(out, STDERR_FILENO);
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

int Child::stop() {
    if (pid <= 0) return status;
    kill(pid, SIGTERM);
    int raw = 0;
    waitpid(pid, &raw, 0);
    pid = -1;
    status = exitStatus(raw);
    return status;
}

bool Child::finished() {
    int raw = 0;
    if (pid <= 0 || waitpid(pid, &raw, WNOHANG) != pid) return pid <= 0;
    pid = -1;
    status = exitStatus(raw);
    return true;
}

std::string Child::text() const {
    std::ifstream in(output);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace testsupport
