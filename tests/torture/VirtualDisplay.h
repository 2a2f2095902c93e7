// A private Xvfb for the editor cases: started with -displayfd so that it
// picks a free display itself, stopped by its own pid.
#pragma once

#include <string>
#include <sys/types.h>

namespace torture {

class VirtualDisplay {
  public:
    VirtualDisplay(); // starts Xvfb; name() is empty when that failed
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;
    const std::string& name() const { return displayName; }

  private:
    pid_t server = -1;
    std::string displayName;
};

} // namespace torture
