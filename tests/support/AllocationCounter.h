// Counts the allocations made through operator new while one of these lives
// (the test program replaces the global operator new to do so).
#pragma once

class AllocationCounter {
  public:
    AllocationCounter();
    ~AllocationCounter();
    int count() const;
};
