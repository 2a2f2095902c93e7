// The runtime's formatting built-in with arbitrary format texts and values:
// whatever the text asks for, it must not read arguments that were never
// passed, write past its fixed buffers, or produce more than 511 bytes.
#include "runtime/TVobrix.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr double kFormatSlot = 1;
constexpr double kResultSlot = 2;
constexpr double kTextSlot = 3;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TVobrix runtime;
    if (size < 1) return 0;
    // First byte: how many 8-byte values follow; then the values; the rest
    // is the format text, and its second half also fills a slot for "%s".
    const size_t valueCount = data[0] % 8;
    size_t offset = 1;
    std::vector<double> values;
    for (size_t i = 0; i < valueCount && offset + sizeof(double) <= size;
         ++i, offset += sizeof(double)) {
        double value;
        std::memcpy(&value, data + offset, sizeof value);
        values.push_back(value);
    }
    const std::string format(reinterpret_cast<const char*>(data + offset), size - offset);
    runtime.clearStrings();
    runtime.setString(static_cast<int32_t>(kFormatSlot), format);
    runtime.setString(static_cast<int32_t>(kTextSlot), format.substr(format.size() / 2));
    const bool toItself = valueCount & 1;
    const double destination = toItself ? kFormatSlot : kResultSlot;
    if (runtime.formatValues(destination, kFormatSlot, values) != destination) std::abort();
    if (runtime.stringAt(destination).size() >= TVobrix::kFormatResultSize) std::abort();
    return 0;
}
