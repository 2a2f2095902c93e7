#include "Spectral.h"

#include <atomic>
#include <mutex>

namespace spectral {

namespace {
std::once_flag tablesOnce;
std::atomic<int> builds{0};
} // namespace

void buildTables() {
    std::call_once(tablesOnce, [] { builds.fetch_add(1); });
}

int tableBuildCount() { return builds.load(); }

} // namespace spectral
