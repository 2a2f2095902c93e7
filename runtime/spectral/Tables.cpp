#include "runtime/spectral/Tables.h"

#include "runtime/Spectral.h"

#include <atomic>
#include <cmath>
#include <memory>
#include <mutex>
#include <numbers>

namespace gravelo::runtime::spectral {

namespace {

constexpr int kMaxLog2 = 15;

struct TransformTables {
    std::vector<double> twiddles[kMaxLog2 + 1];
    Permutation permutations[kMaxLog2 + 1];
};

// Set once inside the call_once below; call_once makes the finished tables
// visible to every thread that passes it, so readers never see a half build.
std::once_flag tablesOnce;
// Owned by the library: freed when a host unloads the plug-in, so loading it
// again and again does not pile up copies.
std::unique_ptr<const TransformTables> tables;
std::atomic<int> builds{0};

std::vector<double> makeTwiddles(int size) {
    std::vector<double> pairs;
    pairs.reserve(static_cast<size_t>(size) - 2);
    for (int k = 1; k < size / 2; ++k) {
        const double angle = 2.0 * std::numbers::pi * k / size;
        pairs.push_back(std::cos(angle));
        pairs.push_back(std::sin(angle));
    }
    return pairs;
}

int32_t reverseBits(int32_t value, int bits) {
    int32_t reversed = 0;
    for (int b = 0; b < bits; ++b)
        reversed |= ((value >> b) & 1) << (bits - 1 - b);
    return reversed;
}

std::vector<int32_t> findCycleStarts(const std::vector<int32_t>& target) {
    std::vector<int32_t> starts;
    std::vector<bool> seen(target.size(), false);
    for (int32_t i = 0; i < static_cast<int32_t>(target.size()); ++i) {
        if (seen[i]) continue;
        int32_t length = 0;
        for (int32_t j = i; !seen[j]; j = target[j], ++length)
            seen[j] = true;
        if (length > 1) starts.push_back(i);
    }
    return starts;
}

Permutation makePermutation(int bits) {
    Permutation permutation;
    const int32_t size = 1 << bits;
    permutation.target.resize(size);
    for (int32_t i = 0; i < size; ++i)
        permutation.target[i] = reverseBits(i, bits);
    permutation.cycleStarts = findCycleStarts(permutation.target);
    return permutation;
}

std::unique_ptr<const TransformTables> makeTables() {
    auto built = std::make_unique<TransformTables>();
    for (int bits = exactLog2(kMinTwiddleTableSize); bits <= kMaxLog2; ++bits)
        built->twiddles[bits] = makeTwiddles(1 << bits);
    for (int bits = exactLog2(kMinPermutationSize); bits <= kMaxLog2; ++bits)
        built->permutations[bits] = makePermutation(bits);
    return built;
}

const TransformTables& transformTables() {
    buildTables();
    return *tables;
}

bool hasTable(int size, int minimum) {
    return size >= minimum && exactLog2(size) >= 0 && size <= kMaxFourierSize;
}

} // namespace

void buildTables() {
    std::call_once(tablesOnce, [] {
        builds.fetch_add(1);
        tables = makeTables();
    });
}

int tableBuildCount() {
    return builds.load();
}

int exactLog2(int64_t size) {
    if (size <= 0 || (size & (size - 1)) != 0) return -1;
    int bits = 0;
    while ((int64_t{1} << bits) < size)
        ++bits;
    return bits;
}

const double* twiddlePairs(int size) {
    if (!hasTable(size, kMinTwiddleTableSize)) return nullptr;
    return transformTables().twiddles[exactLog2(size)].data();
}

int twiddlePairCount(int size) {
    return hasTable(size, kMinTwiddleTableSize) ? size / 2 - 1 : 0;
}

const Permutation* permutationFor(int size) {
    if (!hasTable(size, kMinPermutationSize)) return nullptr;
    return &transformTables().permutations[exactLog2(size)];
}

} // namespace gravelo::runtime::spectral
