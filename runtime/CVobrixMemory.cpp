#include "CVobrixMemory.h"

#include "Numeric.h"

MemoryPage& CVobrixMemory::pageFor(int32_t address) {
    MemoryPage& page = pages[pageOf(address)];
    if (page.size() != static_cast<size_t>(kPageSize)) page.resize(kPageSize, 0.0);
    return page;
}

double& CVobrixMemory::mem(int32_t address) {
    return pageFor(address)[offsetOf(address)];
}

double& CVobrixMemory::memAt(double address) {
    return mem(gravelo::runtime::toIndex(address));
}

double* CVobrixMemory::pageStorageAt(int32_t address) {
    return pageFor(address).data() + offsetOf(address);
}
