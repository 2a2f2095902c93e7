#include "Spectral.h"

#include "CVobrixMemory.h"
#include "Numeric.h"
#include "spectral/CosineTransform.h"
#include "spectral/FourierCore.h"
#include "spectral/Tables.h"

// buildTables and tableBuildCount live with the tables in spectral/Tables.cpp.

namespace gravelo::runtime::spectral {

namespace {

// The built-ins work on one page's storage directly, so count doubles from
// address must end inside the address's page.
bool fitsInPage(int32_t address, int64_t count) {
    return CVobrixMemory::offsetOf(address) + count <= CVobrixMemory::kPageSize;
}

double* storageWithin(CVobrixMemory& memory, int32_t address, int64_t count) {
    return fitsInPage(address, count) ? memory.pageStorageAt(address) : nullptr;
}

bool isSize(int32_t size, int minimum, int maximum) {
    return size >= minimum && size <= maximum && exactLog2(size) >= 0;
}

bool isFourierMode(int32_t mode) {
    return mode == kFourierForward || mode == kFourierInverse || mode == kPermute ||
           mode == kUnpermute;
}

void inverseFourier(double* data, int size) {
    decimateInTime(data, size, Direction::inverse);
    const double scale = 1.0 / size;
    for (int i = 0; i < 2 * size; ++i)
        data[i] *= scale;
}

void runFourier(double* data, int size, int32_t mode) {
    switch (mode) {
    case kFourierForward:
        decimateInFrequency(data, size, Direction::forward);
        break;
    case kFourierInverse:
        inverseFourier(data, size);
        break;
    case kPermute:
        permute(data, *permutationFor(size));
        break;
    case kUnpermute:
        permuteInverse(data, *permutationFor(size));
        break;
    default:
        break;
    }
}

} // namespace

void fourierTransform(CVobrixMemory& memory, double address, double size, double mode) {
    const int32_t n = runtime::toIndex(size), which = runtime::toIndex(mode);
    if (!isSize(n, kMinFourierSize, kMaxFourierSize) || !isFourierMode(which)) return;
    if (double* data = storageWithin(memory, runtime::toIndex(address), 2 * int64_t{n}))
        runFourier(data, n, which);
}

void cosineTransform(CVobrixMemory& memory, double address, double size, double direction) {
    const int32_t n = runtime::toIndex(size), which = runtime::toIndex(direction);
    if (!isSize(n, kMinCosineSize, kMaxCosineSize)) return;
    if (which != kCosineForward && which != kCosineInverse) return;
    double* data = storageWithin(memory, runtime::toIndex(address), n);
    if (!data) return;
    if (which == kCosineForward)
        cosineForward(data, n);
    else
        cosineInverse(data, n);
}

void complexMultiply(CVobrixMemory& memory, double destination, double source, double count) {
    const int64_t pairs = runtime::toIndex(count) & ~int32_t{1};
    if (pairs <= 0) return;
    const int32_t toAddress = runtime::toIndex(destination), fromAddress = runtime::toIndex(source);
    if (!fitsInPage(toAddress, 2 * pairs) || !fitsInPage(fromAddress, 2 * pairs)) return;
    double* to = memory.pageStorageAt(toAddress);
    const double* from = memory.pageStorageAt(fromAddress);
    for (int64_t i = 0; i < 2 * pairs; i += 2) {
        const double re = to[i] * from[i] - to[i + 1] * from[i + 1];
        const double im = to[i] * from[i + 1] + to[i + 1] * from[i];
        to[i] = re;
        to[i + 1] = im;
    }
}

} // namespace gravelo::runtime::spectral
