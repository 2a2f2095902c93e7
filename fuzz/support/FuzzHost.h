// One plug-in instance created in the fuzzer's own process, the way the
// exported entry creates it, on the project's host side. Used by the
// targets that drive the shell with fuzzed data.
#pragma once

#include "vsthost/Host.h"

#include <cstddef>
#include <cstdint>

namespace gravelo::fuzz {

class Instance : public vsthost::Host {
  public:
    // Created, opened, given a sample rate and block size, and resumed.
    explicit Instance(float sampleRate = 48000.0f, VstInt32 blockSize = 64);
    ~Instance();

    // One block of `frames` through processReplacing; while every control
    // is inside its range, traps (aborts) when an output is not finite or
    // leaves the range the amplifier can reach.
    void processAndCheck(int frames, float inputLevel);
    bool controlsInRange() const;

  private:
    bool everOutOfRange = false;
};

// Reads fuzzer bytes front to back; past the end every read gives zero.
class ByteSource {
  public:
    ByteSource(const uint8_t* data, size_t size) : data(data), size(size) {}
    uint8_t byte() { return position < size ? data[position++] : 0; }
    int32_t int32();
    float float32();
    size_t remaining() const { return size - position; }
    const uint8_t* current() const { return data + position; }
    void skip(size_t count) { position += count < remaining() ? count : remaining(); }

  private:
    const uint8_t* data;
    size_t size;
    size_t position = 0;
};

} // namespace gravelo::fuzz
