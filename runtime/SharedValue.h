// A double shared between the host's audio and user-interface threads. Each
// read and write is whole (relaxed atomic), so neither thread ever sees a torn
// value and the sharing is free of data races; no ordering is implied.
#pragma once

#include <atomic>

class SharedValue {
  public:
    SharedValue(double initial = 0.0) : value(initial) {}
    SharedValue(const SharedValue& other) : value(other.load()) {}
    SharedValue& operator=(const SharedValue& other) {
        store(other.load());
        return *this;
    }
    SharedValue& operator=(double v) {
        store(v);
        return *this;
    }
    operator double() const { return load(); }

    double load() const { return value.load(std::memory_order_relaxed); }
    void store(double v) { value.store(v, std::memory_order_relaxed); }

  private:
    std::atomic<double> value;
};
