// A private virtual X server for the tests of this program: started with
// -displayfd (it picks a free display and tells which), stopped by its own
// pid when the program ends. DISPLAY points at it meanwhile. It does not
// reset when its last client leaves, so tests never meet a server that is
// briefly refusing connections.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <sys/types.h>

class XvfbServer : public ::testing::Environment {
  public:
    void SetUp() override;
    void TearDown() override;
    static bool running() { return pid > 0; }

  private:
    static inline pid_t pid = -1;
};
