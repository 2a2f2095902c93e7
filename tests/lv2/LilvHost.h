// A small LV2 host on lilv for the tests: a world that finds the built
// bundle (and the installed LV2 specifications), the host features the
// plug-in may use, and instances driven port by port as a host drives them.
#pragma once

#include "lv2/Ports.h"

#include <array>
#include <deque>
#include <lilv/lilv.h>
#include <lv2/log/log.h>
#include <lv2/state/state.h>
#include <lv2/urid/urid.h>
#include <memory>
#include <string>
#include <vector>

namespace gravelo::test::lv2 {

// Points LV2_PATH at the build's bundle and the system's specifications, so
// that lilv and the lilv tools this process starts find only those.
void useBuiltBundle();

// URIDs for URIs, both ways.
class UridTable {
  public:
    UridTable();
    LV2_URID map(const char* uri);
    LV2_URID_Map mapFeature;
    LV2_URID_Unmap unmapFeature;

  private:
    std::deque<std::string> uris; // index + 1 is the URID; entries never move
};

// A log that keeps every message.
struct RecordingLog {
    RecordingLog();
    LV2_Log_Log feature;
    std::vector<std::string> messages;
};

class World {
  public:
    World();
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    LilvWorld* get() const { return world; }
    const LilvPlugin* plugin() const { return gravelo; }
    // A node for `uri`, freed with the world.
    const LilvNode* node(const char* uri);
    UridTable urids;

  private:
    LilvWorld* world;
    const LilvPlugin* gravelo = nullptr;
    std::vector<LilvNode*> nodes;
};

// Planar output: left and right.
using Stereo = std::array<std::vector<double>, 2>;

class Instance {
  public:
    enum class Features { All, MapOnly, LogOnly, None };

    // Instantiates (check ok()), connects every port and activates.
    Instance(World& world, double sampleRate, Features features = Features::All);
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    bool ok() const { return instance != nullptr; }
    LilvInstance* get() const { return instance; }
    const std::vector<std::string>& logMessages() const { return log.messages; }

    float& control(uint32_t index) { return ports[gravelo::lv2::kFirstControl + index]; }
    float& port(uint32_t port) { return ports[port]; }
    void disconnect(uint32_t port);

    // Runs `input` (the left channel) through in runs of `block` frames.
    Stereo render(const std::vector<double>& input, uint32_t block);
    void run(uint32_t frames) { lilv_instance_run(instance, frames); }

    // The state as a host saves it, through Turtle text and back.
    std::string saveState();
    // Restores a state made by saveState or a preset; `setPorts` gives the
    // ports the state's values as hosts do.
    void restoreState(const LilvState* state, bool setPorts);
    const LV2_State_Interface* stateInterface() const;

    std::vector<float> audioIn, audioInRight, audioOutLeft, audioOutRight;

  private:
    void connectAll(uint32_t frames);

    World& world;
    RecordingLog log;
    std::vector<LV2_Feature> featureRecords;
    std::vector<const LV2_Feature*> features;
    LilvInstance* instance = nullptr;
    std::array<float, gravelo::lv2::kPortCount> ports{};
    std::array<bool, gravelo::lv2::kPortCount> unconnected{};
};

// Frees a LilvState.
struct StateFree {
    void operator()(LilvState* state) const { lilv_state_free(state); }
};
using StatePtr = std::unique_ptr<LilvState, StateFree>;

} // namespace gravelo::test::lv2
