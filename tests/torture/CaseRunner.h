// Runs each torture case in a child process of its own, so that a crash,
// an abort or a hang is reported as that case's failure and the run goes on.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace torture {

// A case returns normally when it passed and calls fail() when it did not.
struct Case {
    std::string name;
    std::function<void()> body;
};

// Ends the current case (in its child process) as failed, with a reason.
[[noreturn]] void fail(const std::string& why);
void check(bool condition, const std::string& why);
// A remark printed after the case's verdict ("ok: <note>").
void note(const std::string& text);

class CaseRunner {
  public:
    explicit CaseRunner(int caseSeconds) : secondsPerCase(caseSeconds) {}
    // Prints one line per case; answers whether it passed.
    bool run(const Case& c);
    int passed = 0;
    int failed = 0;

  private:
    int secondsPerCase;
};

} // namespace torture
