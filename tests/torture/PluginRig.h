// What the torture cases share: the built plug-in loaded into the case's
// own process, instances created through its entry, and blocks of audio
// whose outputs are checked to be finite and bounded.
#pragma once

#include "vsthost/PluginLibrary.h"

#include <functional>
#include <memory>
#include <string>

namespace gravelo::test::torture {

// No legitimate setting takes an input at or below full scale anywhere near
// this: 40 dB of drive and 20 dB of output gain stay behind the limiter.
constexpr double kOutputBound = 1000.0;

// One sample of a test signal by frame number.
using Signal = std::function<double(long frame)>;
double sine(long frame);

class PluginRig {
  public:
    PluginRig(); // loads the library; fails the case when it cannot
    // A new instance, created only (not opened, not resumed).
    std::unique_ptr<vsthost::Host> create();
    // Created, opened, given rate and block size, resumed.
    std::unique_ptr<vsthost::Host> started(float sampleRate = 48000.0f, int blockSize = 512);
    vsthost::EntryFunction entry() const { return library->entry("VSTPluginMain"); }

  private:
    std::unique_ptr<vsthost::PluginLibrary> library;
};

// Runs `frames` frames through processReplacing (or processDoubleReplacing)
// starting at frame `start` of `signal` on both inputs; fails the case when
// an output frame is not finite or exceeds kOutputBound, or was not written.
// Answers the output peak.
double processChecked(AEffect* effect, const Signal& signal, long start, int frames,
                      bool doublePrecision, const std::string& what);
double processChecked(vsthost::Host& host, const Signal& signal, long start, int frames,
                      bool doublePrecision, const std::string& what);

// Several blocks in a row; answers the peak over all of them.
double processBlocks(vsthost::Host& host, const Signal& signal, int blocks, int frames,
                     bool doublePrecision, const std::string& what);

std::string formatPeak(double peak);

} // namespace gravelo::test::torture
