// One instance of the LV2 plug-in: the format-neutral amplifier behind the
// LV2 port layout. The host owns the control inputs; run() hands each value
// that changed to the amplifier by the VST parameter rule, runs the block
// and writes what the panel shows into the control outputs.
//
// Threads, in LV2's classes: create, activate, deactivate and the state
// calls belong to instantiation (never during run); connect and run to the
// audio class. run() allocates nothing, locks nothing, makes no system call.
#pragma once

#include "HostFeatures.h"
#include "instance/AmpInstance.h"
#include "lv2/Ports.h"

#include <array>
#include <cstdint>
#include <lv2/state/state.h>
#include <memory>

namespace gravelo::lv2 {

class Lv2Amp {
  public:
    // Null, after a note in the host's log, for a rate the amplifier cannot
    // run at (0, negative, not finite or absurdly high).
    static std::unique_ptr<Lv2Amp> create(double sampleRate, const LV2_Feature* const* features);

    void connect(uint32_t port, void* data);
    void activate();
    void deactivate();
    void run(uint32_t frames);

    LV2_State_Status save(LV2_State_Store_Function store, LV2_State_Handle handle);
    LV2_State_Status restore(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle);

  private:
    Lv2Amp(double sampleRate, const LV2_Feature* const* features);

    void takeControls();
    void processAudio(uint32_t frames);
    void showMeters(uint32_t frames);
    // The controls' current port values count as taken.
    void markControlsTaken();

    instance::AmpInstance amp;
    HostFeatures host;
    const double rate;
    const LV2_URID chunkKey, chunkType;
    std::array<float*, kPortCount> ports{};
    // The bits of each control value last handed to the amplifier; a port
    // is read again only when its bits change.
    std::array<uint32_t, kControlPorts> takenBits{};
    std::array<bool, kControlPorts> taken{};
    double lamp = 0.0;
};

} // namespace gravelo::lv2
