#include "programs/PresetFile.h"

#include <bit>
#include <cstdio>
#include <limits>

namespace gravelo::render::presetfile {

namespace {

constexpr int32_t kFileMagic = fourCharCode("CcnK");
constexpr int32_t kParameterList = fourCharCode("FxCk");
constexpr int32_t kProgramChunk = fourCharCode("FPCh");
constexpr int32_t kBankOfPrograms = fourCharCode("FxBk");
constexpr int32_t kBankChunk = fourCharCode("FBCh");
constexpr size_t kNameBytes = 28;
// Magic, size, kind, version, id, plug-in version, count.
constexpr size_t kCommonHeaderBytes = 7 * 4;
// A bank keeps the current program and 124 reserved bytes after the count.
constexpr size_t kBankHeaderBytes = kCommonHeaderBytes + 4 + 124;

// Reads big-endian fields from a buffer and remembers the first overrun.
class Reader {
  public:
    explicit Reader(std::span<const uint8_t> data) : bytes(data) {}

    bool has(size_t count) const { return count <= bytes.size() - position; }
    size_t remaining() const { return bytes.size() - position; }

    int32_t int32() {
        if (!has(4)) return overrun();
        const uint32_t value = (uint32_t{bytes[position]} << 24) |
                               (uint32_t{bytes[position + 1]} << 16) |
                               (uint32_t{bytes[position + 2]} << 8) | uint32_t{bytes[position + 3]};
        position += 4;
        return static_cast<int32_t>(value);
    }
    float float32() { return std::bit_cast<float>(int32()); }
    std::string text(size_t size) {
        std::string result;
        if (!has(size)) {
            overrun();
            return result;
        }
        for (size_t i = 0; i < size && bytes[position + i] != 0; ++i)
            result += static_cast<char>(bytes[position + i]);
        position += size;
        return result;
    }
    std::vector<uint8_t> block(size_t size) {
        if (!has(size)) {
            overrun();
            return {};
        }
        std::vector<uint8_t> result(bytes.begin() + static_cast<std::ptrdiff_t>(position),
                                    bytes.begin() + static_cast<std::ptrdiff_t>(position + size));
        position += size;
        return result;
    }
    void skip(size_t size) {
        if (!has(size))
            overrun();
        else
            position += size;
    }
    bool truncated() const { return overran; }

  private:
    int32_t overrun() {
        overran = true;
        position = bytes.size();
        return 0;
    }
    std::span<const uint8_t> bytes;
    size_t position = 0;
    bool overran = false;
};

class Writer {
  public:
    void int32(int32_t value) {
        const auto bits = static_cast<uint32_t>(value);
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<uint8_t>(bits >> shift));
    }
    void float32(float value) { int32(std::bit_cast<int32_t>(value)); }
    void text(const std::string& value, size_t size) {
        for (size_t i = 0; i < size; ++i)
            bytes.push_back(i + 1 < size && i < value.size() ? static_cast<uint8_t>(value[i]) : 0);
    }
    void block(const std::vector<uint8_t>& data) {
        bytes.insert(bytes.end(), data.begin(), data.end());
    }
    void zeros(size_t count) { bytes.insert(bytes.end(), count, 0); }
    // Fills in the size field: the number of bytes after it.
    std::vector<uint8_t> finish() {
        const auto size = static_cast<uint32_t>(bytes.size() - 8);
        for (int i = 0; i < 4; ++i)
            bytes[4 + static_cast<size_t>(i)] = static_cast<uint8_t>(size >> (24 - 8 * i));
        return std::move(bytes);
    }

  private:
    std::vector<uint8_t> bytes;
};

ParseResult refuse(std::string why) {
    ParseResult result;
    result.error = std::move(why);
    return result;
}

ParseResult readChunk(Reader& reader, Preset preset) {
    const int32_t size = reader.int32();
    if (reader.truncated()) return refuse("the file ends before its chunk size");
    if (size < 0) return refuse("the chunk size is negative");
    if (!reader.has(static_cast<size_t>(size)))
        return refuse("the chunk is cut short (" + std::to_string(reader.remaining()) + " of " +
                      std::to_string(size) + " bytes)");
    preset.chunk = reader.block(static_cast<size_t>(size));
    return ParseResult{true, std::move(preset), {}};
}

ParseResult readParameters(Reader& reader, Preset preset) {
    if (preset.count < 0) return refuse("the parameter count is negative");
    if (reader.remaining() / 4 < static_cast<size_t>(preset.count))
        return refuse("the parameter list is cut short (" + std::to_string(reader.remaining() / 4) +
                      " of " + std::to_string(preset.count) + " values)");
    preset.parameters.reserve(static_cast<size_t>(preset.count));
    for (int32_t i = 0; i < preset.count; ++i)
        preset.parameters.push_back(reader.float32());
    return ParseResult{true, std::move(preset), {}};
}

} // namespace

ParseResult parsePreset(std::span<const uint8_t> bytes) {
    Reader reader(bytes);
    if (bytes.size() < kCommonHeaderBytes) return refuse("too short for a preset file");
    if (reader.int32() != kFileMagic) return refuse("not a preset file (no 'CcnK' header)");
    reader.int32(); // byte size: writers disagree on it, so the records' own sizes are what counts
    const int32_t kind = reader.int32();
    Preset preset;
    preset.formatVersion = reader.int32();
    preset.pluginId = reader.int32();
    preset.pluginVersion = reader.int32();
    preset.count = reader.int32();
    if (kind == kParameterList || kind == kProgramChunk) {
        if (!reader.has(kNameBytes)) return refuse("the file ends inside the program name");
        preset.name = reader.text(kNameBytes);
        if (kind == kParameterList) {
            preset.kind = PresetKind::ParameterList;
            return readParameters(reader, std::move(preset));
        }
        preset.kind = PresetKind::ProgramChunk;
        return readChunk(reader, std::move(preset));
    }
    if (kind == kBankChunk) {
        if (bytes.size() < kBankHeaderBytes) return refuse("the file ends inside the bank header");
        reader.skip(kBankHeaderBytes - kCommonHeaderBytes);
        preset.kind = PresetKind::BankChunk;
        return readChunk(reader, std::move(preset));
    }
    if (kind == kBankOfPrograms)
        return refuse("a bank of separate programs is not supported; save a single program");
    return refuse("unknown preset kind " + describeId(kind));
}

std::vector<uint8_t> writePreset(const Preset& preset) {
    Writer writer;
    writer.int32(kFileMagic);
    writer.int32(0);
    const bool bank = preset.kind == PresetKind::BankChunk;
    writer.int32(bank                                       ? kBankChunk
                 : preset.kind == PresetKind::ParameterList ? kParameterList
                                                            : kProgramChunk);
    writer.int32(preset.formatVersion);
    writer.int32(preset.pluginId);
    writer.int32(preset.pluginVersion);
    if (preset.kind == PresetKind::ParameterList) {
        writer.int32(static_cast<int32_t>(preset.parameters.size()));
        writer.text(preset.name, kNameBytes);
        for (float value : preset.parameters)
            writer.float32(value);
        return writer.finish();
    }
    writer.int32(preset.count);
    if (bank)
        writer.zeros(kBankHeaderBytes - kCommonHeaderBytes);
    else
        writer.text(preset.name, kNameBytes);
    writer.int32(static_cast<int32_t>(preset.chunk.size()));
    writer.block(preset.chunk);
    return writer.finish();
}

std::string describeId(int32_t id) {
    std::string code;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((static_cast<uint32_t>(id) >> shift) & 0xff);
        if (c < 0x20 || c > 0x7e) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%08x", static_cast<unsigned>(id));
            return hex;
        }
        code += c;
    }
    return "'" + code + "'";
}

} // namespace gravelo::render::presetfile
