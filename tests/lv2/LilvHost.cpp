#include "LilvHost.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <lv2/atom/atom.h>
#include <stdexcept>

namespace gravelo::test::lv2 {

using namespace gravelo::lv2;

void useBuiltBundle() {
    const std::string path = std::string(GRAVELO_LV2_PATH) + ":" + GRAVELO_LV2_SPEC_DIR;
    setenv("LV2_PATH", path.c_str(), 1);
}

UridTable::UridTable() {
    mapFeature = {this, [](LV2_URID_Map_Handle self, const char* uri) {
                      return static_cast<UridTable*>(self)->map(uri);
                  }};
    unmapFeature = {this, [](LV2_URID_Unmap_Handle self, LV2_URID urid) -> const char* {
                        const auto& known = static_cast<UridTable*>(self)->uris;
                        return urid > 0 && urid <= known.size() ? known[urid - 1].c_str() : nullptr;
                    }};
}

LV2_URID UridTable::map(const char* uri) {
    for (size_t i = 0; i < uris.size(); ++i)
        if (uris[i] == uri) return static_cast<LV2_URID>(i + 1);
    uris.emplace_back(uri);
    return static_cast<LV2_URID>(uris.size());
}

namespace {

int recordMessage(LV2_Log_Handle handle, LV2_URID, const char* format, va_list args) {
    char text[512];
    const int length = std::vsnprintf(text, sizeof text, format, args);
    static_cast<RecordingLog*>(handle)->messages.emplace_back(text);
    return length;
}

int printMessage(LV2_Log_Handle handle, LV2_URID type, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int length = recordMessage(handle, type, format, args);
    va_end(args);
    return length;
}

} // namespace

RecordingLog::RecordingLog() : feature{this, printMessage, recordMessage} {}

World::World() : world(nullptr) {
    useBuiltBundle();
    world = lilv_world_new();
    lilv_world_load_all(world);
    LilvNode* uri = lilv_new_uri(world, kPluginUri);
    gravelo = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(world), uri);
    lilv_node_free(uri);
    if (gravelo == nullptr) throw std::runtime_error("lilv does not find the built bundle");
}

World::~World() {
    for (LilvNode* n : nodes)
        lilv_node_free(n);
    lilv_world_free(world);
}

const LilvNode* World::node(const char* uri) {
    nodes.push_back(lilv_new_uri(world, uri));
    return nodes.back();
}

Instance::Instance(World& owner, double sampleRate, Features wanted) : world(owner) {
    const bool map = wanted == Features::All || wanted == Features::MapOnly;
    const bool logs = wanted == Features::All || wanted == Features::LogOnly;
    if (map) {
        featureRecords.push_back({LV2_URID__map, &world.urids.mapFeature});
        featureRecords.push_back({LV2_URID__unmap, &world.urids.unmapFeature});
    }
    if (logs) featureRecords.push_back({LV2_LOG__log, &log.feature});
    for (const LV2_Feature& f : featureRecords)
        features.push_back(&f);
    features.push_back(nullptr);
    instance = lilv_plugin_instantiate(world.plugin(), sampleRate,
                                       wanted == Features::None ? nullptr : features.data());
    if (instance == nullptr) return;
    std::array<float, kPortCount> defaults{};
    lilv_plugin_get_port_ranges_float(world.plugin(), nullptr, nullptr, defaults.data());
    for (uint32_t c = 0; c < kControlPorts; ++c)
        control(c) = defaults[kFirstControl + c];
    connectAll(1);
    lilv_instance_activate(instance);
}

Instance::~Instance() {
    if (instance == nullptr) return;
    lilv_instance_deactivate(instance);
    lilv_instance_free(instance);
}

void Instance::disconnect(uint32_t port) {
    unconnected[port] = true;
    lilv_instance_connect_port(instance, port, nullptr);
}

void Instance::connectAll(uint32_t frames) {
    audioIn.resize(frames);
    audioInRight.assign(frames, 0.0f);
    audioOutLeft.resize(frames);
    audioOutRight.resize(frames);
    float* audio[4] = {audioIn.data(), audioInRight.data(), audioOutLeft.data(),
                       audioOutRight.data()};
    for (uint32_t p = 0; p < kPortCount; ++p)
        lilv_instance_connect_port(instance, p,
                                   unconnected[p] ? nullptr
                                   : p < 4        ? audio[p]
                                                  : &ports[p]);
}

Stereo Instance::render(const std::vector<double>& input, uint32_t block) {
    connectAll(block);
    Stereo out;
    for (size_t done = 0; done < input.size(); done += block) {
        const auto n = static_cast<uint32_t>(std::min<size_t>(block, input.size() - done));
        for (uint32_t j = 0; j < n; ++j)
            audioIn[j] = static_cast<float>(input[done + j]);
        run(n);
        out[0].insert(out[0].end(), audioOutLeft.begin(), audioOutLeft.begin() + n);
        out[1].insert(out[1].end(), audioOutRight.begin(), audioOutRight.begin() + n);
    }
    return out;
}

namespace {

struct PortAccess {
    Instance* instance;
    World* world;
    uint32_t index(const char* symbol) const {
        LilvNode* name = lilv_new_string(world->get(), symbol);
        const LilvPort* port = lilv_plugin_get_port_by_symbol(world->plugin(), name);
        lilv_node_free(name);
        if (port == nullptr) throw std::runtime_error(std::string("no port ") + symbol);
        return lilv_port_get_index(world->plugin(), port);
    }
};

const void* portValue(const char* symbol, void* data, uint32_t* size, uint32_t* type) {
    auto* access = static_cast<PortAccess*>(data);
    *size = sizeof(float);
    *type = access->world->urids.map(LV2_ATOM__Float);
    return &access->instance->port(access->index(symbol));
}

void setPortValue(const char* symbol, void* data, const void* value, uint32_t, uint32_t type) {
    auto* access = static_cast<PortAccess*>(data);
    UridTable& urids = access->world->urids;
    float& port = access->instance->port(access->index(symbol));
    if (type == urids.map(LV2_ATOM__Float))
        port = *static_cast<const float*>(value);
    else if (type == urids.map(LV2_ATOM__Double))
        port = static_cast<float>(*static_cast<const double*>(value));
    else if (type == urids.map(LV2_ATOM__Int))
        port = static_cast<float>(*static_cast<const int32_t*>(value));
}

} // namespace

std::string Instance::saveState() {
    PortAccess access{this, &world};
    LilvState* state = lilv_state_new_from_instance(
        world.plugin(), instance, &world.urids.mapFeature, nullptr, nullptr, nullptr, nullptr,
        portValue, &access, 0, features.data());
    if (state == nullptr) return {};
    char* text = lilv_state_to_string(world.get(), &world.urids.mapFeature,
                                      &world.urids.unmapFeature, state, "urn:test:state", nullptr);
    lilv_state_free(state);
    std::string result = text != nullptr ? text : "";
    lilv_free(text);
    return result;
}

void Instance::restoreState(const LilvState* state, bool setPorts) {
    PortAccess access{this, &world};
    lilv_state_restore(state, instance, setPorts ? setPortValue : nullptr, &access, 0,
                       features.data());
}

const LV2_State_Interface* Instance::stateInterface() const {
    return static_cast<const LV2_State_Interface*>(
        lilv_instance_get_extension_data(instance, LV2_STATE__interface));
}

} // namespace gravelo::test::lv2
