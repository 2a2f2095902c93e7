// VST 3 as a host drives it: normalised points in the processor's queues at
// their frames, the value read back through the controller, the component's
// state through streams that move a few bytes per call (and handed to the
// controller after it, as hosts do).
#include "Vst3TestHost.h"
#include "support/routes/Route.h"

#include <stdexcept>

namespace gravelo::test::routes {

namespace {

using gravelo::test::vst3::ParameterChanges;
using gravelo::vst3::api::IPluginFactory;
using gravelo::vst3::api::kResultOk;
using gravelo::vst3::api::ParamID;

class Vst3Route final : public Route {
  public:
    Vst3Route(const Entries& entries, const HostManner& way)
        : manner(way), module(static_cast<IPluginFactory*>(entries.vst3Factory())), plugin(module) {
        if (plugin.controller == nullptr) throw std::runtime_error("no VST 3 instance");
    }
    void activate(double rate, uint32_t maxBlock) override {
        if (!plugin.start(rate, static_cast<int32_t>(maxBlock)))
            throw std::runtime_error("VST 3 does not start");
    }
    void deactivate() override { plugin.stop(); }
    void set(int index, double value, uint32_t frame) override {
        const auto id = static_cast<ParamID>(index);
        pending->add(id, static_cast<int32_t>(frame),
                     plugin.controller->plainParamToNormalized(id, value));
    }
    bool timesChanges() const override { return true; }
    void process(const float* input, float* left, uint32_t frames) override {
        right.resize(frames);
        plugin.process(input, input, left, right.data(), static_cast<int32_t>(frames),
                       pending.get());
        pending = std::make_unique<ParameterChanges>();
    }
    std::vector<uint8_t> save() override { return plugin.save(manner.bytesPerCall); }
    bool load(const std::vector<uint8_t>& state) override {
        return plugin.load(state, manner.bytesPerCall) == kResultOk;
    }
    std::optional<double> value(int index) override {
        return plugin.value(static_cast<ParamID>(index));
    }

  private:
    HostManner manner;
    vst3::Module module;
    vst3::Plugin plugin;
    std::unique_ptr<ParameterChanges> pending = std::make_unique<ParameterChanges>();
    std::vector<float> right;
};

} // namespace

std::unique_ptr<Route> makeVst3Route(const Entries& entries, const HostManner& manner) {
    return std::make_unique<Vst3Route>(entries, manner);
}

} // namespace gravelo::test::routes
