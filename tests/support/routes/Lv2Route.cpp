// LV2 as a host drives it, the DSP side in this process: control ports the
// host owns and the plug-in reads at each run, the state under the
// plug-in's key with the chunk type.
#include "effect/Controls.h"
#include "lv2/Ports.h"
#include "lv2/dsp/Lv2Amp.h"
#include "support/routes/Route.h"

#include <lv2/atom/atom.h>
#include <stdexcept>

namespace gravelo::test::routes {

namespace {

class Lv2Route final : public Route {
  public:
    explicit Lv2Route(const HostManner& way) : manner(way) {}
    void activate(double rate, uint32_t) override {
        if (!amp) create(rate);
        amp->activate();
    }
    void deactivate() override { amp->deactivate(); }
    void set(int index, double value, uint32_t) override {
        ports[lv2::kFirstControl + static_cast<uint32_t>(index)] = static_cast<float>(value);
    }
    void process(const float* input, float* left, uint32_t frames) override {
        right.resize(frames);
        amp->connect(lv2::kInputLeft, const_cast<float*>(input));
        amp->connect(lv2::kInputRight, const_cast<float*>(input));
        amp->connect(lv2::kOutputLeft, left);
        amp->connect(lv2::kOutputRight, right.data());
        amp->run(frames);
    }
    std::vector<uint8_t> save() override {
        if (!amp) create(48000.0);
        std::vector<uint8_t> bytes;
        if (amp->save(&Lv2Route::store, &bytes) != LV2_STATE_SUCCESS) return {};
        return bytes;
    }
    bool load(const std::vector<uint8_t>& state) override {
        if (!amp) create(48000.0);
        loading = &state;
        // Without a chunk of its type there is nothing to take: restore
        // answers success and must keep the state.
        return amp->restore(&Lv2Route::retrieve, this) == LV2_STATE_SUCCESS && !state.empty() &&
               manner.typedChunk;
    }
    // The host owns the ports: what it reads is what it wrote.
    std::optional<double> value(int) override { return std::nullopt; }

  private:
    // Instantiation takes the rate, so the instance is made at the first
    // activation (or at a state call before it, at the usual rate).
    void create(double rate) {
        const LV2_Feature* features[] = {&mapFeature, nullptr};
        amp = lv2::Lv2Amp::create(rate, features);
        if (!amp) throw std::runtime_error("no LV2 instance");
        for (uint32_t c = 0; c < lv2::kControlPorts; ++c)
            ports[lv2::kFirstControl + c] = static_cast<float>(kControls[c].defaultValue);
        for (uint32_t port = 0; port < lv2::kPortCount; ++port)
            amp->connect(port, &ports[port]);
    }
    static LV2_URID map(LV2_URID_Map_Handle handle, const char* uri) {
        auto& uris = static_cast<Lv2Route*>(handle)->uris;
        for (size_t i = 0; i < uris.size(); ++i)
            if (uris[i] == uri) return static_cast<LV2_URID>(i + 1);
        uris.emplace_back(uri);
        return static_cast<LV2_URID>(uris.size());
    }
    static LV2_State_Status store(LV2_State_Handle handle, uint32_t, const void* value, size_t size,
                                  uint32_t, uint32_t) {
        const auto* bytes = static_cast<const uint8_t*>(value);
        static_cast<std::vector<uint8_t>*>(handle)->assign(bytes, bytes + size);
        return LV2_STATE_SUCCESS;
    }
    static const void* retrieve(LV2_State_Handle handle, uint32_t, size_t* size, uint32_t* type,
                                uint32_t* flags) {
        auto* self = static_cast<Lv2Route*>(handle);
        *size = self->loading->size();
        *type = map(self, self->manner.typedChunk ? LV2_ATOM__Chunk : LV2_ATOM__Float);
        *flags = 0;
        return self->loading->empty() ? nullptr : self->loading->data();
    }

    HostManner manner;
    std::vector<std::string> uris;
    LV2_URID_Map urids{this, map};
    LV2_Feature mapFeature{LV2_URID__map, &urids};
    std::unique_ptr<lv2::Lv2Amp> amp;
    std::vector<float> ports = std::vector<float>(lv2::kPortCount, 0.0f);
    std::vector<float> right;
    const std::vector<uint8_t>* loading = nullptr;
};

} // namespace

std::unique_ptr<Route> makeLv2Route(const HostManner& manner) {
    return std::make_unique<Lv2Route>(manner);
}

} // namespace gravelo::test::routes
