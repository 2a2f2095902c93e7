#include "FormatRoutes.h"

#include "effect/Controls.h"

#include <cstdlib>
#include <cstring>
#include <lv2/atom/atom.h>

extern "C" const clap_plugin_entry clap_entry;

namespace gravelo::fuzz {

namespace {

constexpr uint32_t kFrames = 16;

struct Retrieved {
    const std::vector<uint8_t>* bytes;
    uint32_t type;
};

const void* retrieve(LV2_State_Handle handle, uint32_t, size_t* size, uint32_t* type,
                     uint32_t* flags) {
    const auto* r = static_cast<const Retrieved*>(handle);
    *size = r->bytes->size();
    *type = r->type;
    *flags = 0;
    return r->bytes->data(); // may be null for an empty chunk: no chunk stored
}

LV2_State_Status store(LV2_State_Handle handle, uint32_t, const void* value, size_t size, uint32_t,
                       uint32_t) {
    const auto* bytes = static_cast<const uint8_t*>(value);
    static_cast<std::vector<uint8_t>*>(handle)->assign(bytes, bytes + size);
    return LV2_STATE_SUCCESS;
}

} // namespace

std::vector<float> chunkFloats(const std::vector<uint8_t>& bytes) {
    std::vector<float> values(bytes.size() / sizeof(float));
    std::memcpy(values.data(), bytes.data(), values.size() * sizeof(float));
    return values;
}

ClapRoute::ClapRoute() : library(&clap_entry), instance(library, host) {
    if (!instance.start(48000.0, 64)) std::abort();
}

bool ClapRoute::load(const std::vector<uint8_t>& bytes, size_t perCall) {
    return instance.load(bytes, perCall);
}

std::vector<uint8_t> ClapRoute::save() const {
    return instance.save(7);
}

void ClapRoute::setControl(uint32_t index, double value) {
    test::clap::InputEvents events;
    events.add(0, index, value);
    float in[kFrames] = {}, left[kFrames], right[kFrames];
    instance.process(in, in, left, right, kFrames, &events);
}

Lv2Route::Lv2Route() : in(kFrames), out{std::vector<float>(kFrames), std::vector<float>(kFrames)} {
    const LV2_Feature* features[] = {&mapFeature, nullptr};
    amp = lv2::Lv2Amp::create(48000.0, features);
    if (!amp) std::abort();
    for (uint32_t c = 0; c < lv2::kControlPorts; ++c)
        portValues[lv2::kFirstControl + c] = static_cast<float>(gravelo::kControls[c].defaultValue);
    for (uint32_t port = 0; port < lv2::kPortCount; ++port)
        amp->connect(port, &portValues[port]);
    amp->connect(lv2::kInputLeft, in.data());
    amp->connect(lv2::kInputRight, in.data());
    amp->connect(lv2::kOutputLeft, out[0].data());
    amp->connect(lv2::kOutputRight, out[1].data());
    amp->activate();
}

Lv2Route::~Lv2Route() {
    amp->deactivate();
}

LV2_URID Lv2Route::map(LV2_URID_Map_Handle handle, const char* uri) {
    auto& uris = static_cast<Lv2Route*>(handle)->uris;
    for (size_t i = 0; i < uris.size(); ++i)
        if (uris[i] == uri) return static_cast<LV2_URID>(i + 1);
    uris.emplace_back(uri);
    return static_cast<LV2_URID>(uris.size());
}

bool Lv2Route::restore(const std::vector<uint8_t>& bytes, bool chunkType) {
    Retrieved r{&bytes, map(this, chunkType ? LV2_ATOM__Chunk : LV2_ATOM__Float)};
    return amp->restore(retrieve, &r) == LV2_STATE_SUCCESS;
}

std::vector<uint8_t> Lv2Route::save() {
    std::vector<uint8_t> bytes;
    if (amp->save(store, &bytes) != LV2_STATE_SUCCESS) std::abort();
    return bytes;
}

void Lv2Route::setControl(uint32_t index, float value) {
    portValues[lv2::kFirstControl + index] = value;
    run();
}

void Lv2Route::run() {
    amp->run(kFrames);
}

} // namespace gravelo::fuzz
