// The amplifier as each format presents it to a host: a small host of the
// format that sets controls, moves audio and saves and loads the state the
// way that format's hosts do. Tests and fuzz targets hold every format to
// the same properties through this one face (RouteProperties.h), so a
// format added to the table is held to them too.
#pragma once

#include "host/VstInterface.h"

#include "clap/ClapInterface.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gravelo::test::routes {

class Route {
  public:
    virtual ~Route() = default;

    // As a host starts and stops processing; activate may follow deactivate.
    virtual void activate(double rate, uint32_t maxBlock) = 0;
    virtual void deactivate() = 0;
    // Whether activation clears what the sound carries (VST 2.x's resume
    // keeps it).
    virtual bool startsAfresh() const { return true; }
    // A host's value in panel units, carried as the format carries it
    // (normalised for VST 2.x and VST 3). A format with timed changes takes
    // it at `frame` of the next block, the others before that block.
    virtual void set(int index, double value, uint32_t frame = 0) = 0;
    virtual bool timesChanges() const { return false; }
    // One block: the input on both channels (VST 2.x and the stereo formats)
    // or the one the format reads, the left output back.
    virtual void process(const float* input, float* left, uint32_t frames) = 0;
    virtual std::vector<uint8_t> save() = 0;
    // False when the format refuses the state.
    virtual bool load(const std::vector<uint8_t>& state) = 0;
    // Whether a damaged state is refused whole (VST 2.x loads what it can).
    virtual bool strictState() const { return true; }
    // Whether the sliders no control reads come back as loaded (gravelo-amp
    // keeps a state's controls and saves the others at zero).
    virtual bool savesWholeChunk() const { return true; }
    // What the host reads back as the control's value, where it reads one.
    virtual std::optional<double> value(int index) = 0;
};

// Where the formats' entries come from: modules loaded as hosts load them
// (tests), or entries linked into the program (fuzz targets).
struct Entries {
    std::function<AEffect*(audioMasterCallback)> vst2;
    const clap_plugin_entry* clap = nullptr;
    void* (*vst3Factory)() = nullptr; // GetPluginFactory
};

// How hosts' calls may differ where a format leaves it to them: the bytes a
// state stream moves per call, and whether an LV2 host hands the state back
// with the chunk type.
struct HostManner {
    size_t bytesPerCall = 7;
    bool typedChunk = true;
};

struct RouteMaker {
    std::string name;
    std::function<std::unique_ptr<Route>()> make;
};

std::unique_ptr<Route> makeVst2Route(const Entries& entries);
std::unique_ptr<Route> makeClapRoute(const Entries& entries, const HostManner& manner);
std::unique_ptr<Route> makeVst3Route(const Entries& entries, const HostManner& manner);
std::unique_ptr<Route> makeLv2Route(const HostManner& manner);
std::unique_ptr<Route> makeAmpRoute();
std::unique_ptr<Route> makeRendererRoute(); // the renderer's .fxp loading

// The modules this build made, loaded once as hosts load them (tests).
const Entries& builtEntries();

// VST 2.x first: the reference the others render like.
std::vector<RouteMaker> allRoutes(const Entries& entries, const HostManner& manner = {});

} // namespace gravelo::test::routes
