// The amplifier as the CLAP and LV2 shells present it, made in the fuzzer's
// own process from their static libraries: one way to reach the shared
// control and state rules through each format's entry. Read-backs go
// through the state chunk, the one view every format shares.
#pragma once

#include "ClapTestHost.h"
#include "lv2/dsp/Lv2Amp.h"

#include <memory>
#include <string>
#include <vector>

namespace gravelo::fuzz {

// The saved chunk as floats: the marker, then sliders 1 to 64.
std::vector<float> chunkFloats(const std::vector<uint8_t>& bytes);

class ClapRoute {
  public:
    ClapRoute(); // created, initialised, activated at 48 kHz
    bool load(const std::vector<uint8_t>& bytes, size_t perCall);
    std::vector<uint8_t> save() const;
    // A parameter event at frame 0 of a short block.
    void setControl(uint32_t index, double value);

  private:
    test::clap::ClapLibrary library;
    test::clap::TestHost host;
    test::clap::Instance instance;
};

class Lv2Route {
  public:
    Lv2Route(); // instantiated with a URID map, activated at 48 kHz
    ~Lv2Route();
    // The chunk under the plug-in's key, with the chunk type or another.
    bool restore(const std::vector<uint8_t>& bytes, bool chunkType);
    std::vector<uint8_t> save();
    // The control port's value, then one short run.
    void setControl(uint32_t index, float value);

  private:
    static LV2_URID map(LV2_URID_Map_Handle handle, const char* uri);
    void run();

    std::vector<std::string> uris;
    LV2_URID_Map urids{this, map};
    LV2_Feature mapFeature{LV2_URID__map, &urids};
    std::unique_ptr<lv2::Lv2Amp> amp;
    std::vector<float> portValues = std::vector<float>(lv2::kPortCount, 0.0f);
    std::vector<float> in, out[2];
};

} // namespace gravelo::fuzz
