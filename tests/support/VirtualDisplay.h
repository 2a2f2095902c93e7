// A private virtual X server for a test program: Xvfb started with
// -displayfd (it picks a free display and tells which) and -noreset (it
// never restarts when its last client leaves, so no client meets a server
// that briefly refuses connections). DISPLAY names it while it runs; it is
// stopped by its own pid, or when the program that started it dies.
#pragma once

#include "support/ChildProcess.h"

#include <memory>
#include <string>

namespace gravelo::test::display {

class VirtualDisplay {
  public:
    VirtualDisplay(); // name() is empty when Xvfb did not start
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    const std::string& name() const { return displayName; }

  private:
    std::unique_ptr<support::Child> server; // stopped (SIGTERM, waited for) first
    std::string displayName;
};

} // namespace gravelo::test::display
