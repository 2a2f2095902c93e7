// Paged numeric memory: a sparse array of doubles addressed by any signed
// 32-bit address. Pages of 65536 cells appear on first touch, read or write.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

using MemoryPage = std::vector<double>;

class CVobrixMemory {
  public:
    static constexpr int32_t kPageBits = 16;
    static constexpr int32_t kPageSize = 1 << kPageBits;

    double& mem(int32_t address);
    // The cell at a double address, converted with toIndex.
    double& memAt(double address);
    // Storage of the page holding address (created if missing), starting at that address.
    double* pageStorageAt(int32_t address);
    void clearMemory() { pages.clear(); }
    size_t pageCount() const { return pages.size(); }

    static int32_t pageOf(int32_t address) { return address >> kPageBits; }
    static int32_t offsetOf(int32_t address) { return address & (kPageSize - 1); }

  private:
    MemoryPage& pageFor(int32_t address);

    std::map<int32_t, MemoryPage> pages;
};
