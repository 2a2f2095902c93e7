#include "vst3/bundle/PresetContainer.h"

#include <cstring>

namespace gravelo::vst3 {

namespace {

constexpr size_t kHeaderBytes = 48;
constexpr size_t kEntryBytes = 20;
constexpr size_t kClassIdChars = 32;

void putInt(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint64_t getInt(std::span<const uint8_t> in, size_t at, int bytes) {
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<uint64_t>(in[at + static_cast<size_t>(i)]) << (8 * i);
    return value;
}

void putText(std::vector<uint8_t>& out, const char* text, size_t length) {
    for (size_t i = 0; i < length; ++i)
        out.push_back(static_cast<uint8_t>(text[i]));
}

} // namespace

std::vector<uint8_t> writeVstPreset(const std::string& classIdText,
                                    std::span<const uint8_t> componentState) {
    std::vector<uint8_t> out;
    putText(out, "VST3", 4);
    putInt(out, 1, 4); // format version
    std::string id = classIdText;
    id.resize(kClassIdChars, '0');
    putText(out, id.data(), kClassIdChars);
    const uint64_t listAt = kHeaderBytes + componentState.size();
    putInt(out, listAt, 8);
    for (uint8_t byte : componentState)
        out.push_back(byte);
    putText(out, "List", 4);
    putInt(out, 1, 4);
    putText(out, "Comp", 4);
    putInt(out, kHeaderBytes, 8);
    putInt(out, componentState.size(), 8);
    return out;
}

bool readVstPresetState(std::span<const uint8_t> file, const std::string& classIdText,
                        std::vector<uint8_t>& componentState) {
    if (file.size() < kHeaderBytes || std::memcmp(file.data(), "VST3", 4) != 0 ||
        getInt(file, 4, 4) != 1 || classIdText.size() != kClassIdChars ||
        std::memcmp(file.data() + 8, classIdText.data(), kClassIdChars) != 0)
        return false;
    const uint64_t listAt = getInt(file, 40, 8);
    if (listAt > file.size() || file.size() - listAt < 8 ||
        std::memcmp(file.data() + listAt, "List", 4) != 0)
        return false;
    const uint64_t entries = getInt(file, listAt + 4, 4);
    if (entries > (file.size() - listAt - 8) / kEntryBytes) return false;
    for (uint64_t e = 0; e < entries; ++e) {
        const size_t at = listAt + 8 + e * kEntryBytes;
        if (std::memcmp(file.data() + at, "Comp", 4) != 0) continue;
        const uint64_t offset = getInt(file, at + 4, 8);
        const uint64_t size = getInt(file, at + 12, 8);
        if (offset > file.size() || size > file.size() - offset) return false;
        componentState.assign(file.begin() + static_cast<ptrdiff_t>(offset),
                              file.begin() + static_cast<ptrdiff_t>(offset + size));
        return true;
    }
    return false;
}

} // namespace gravelo::vst3
