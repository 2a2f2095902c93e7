// VST 2.x as a host drives it: normalised values through setParameter
// before a block, the chunk through effGetChunk / effSetChunk, the input on
// both channels of processReplacing.
#include "effect/Controls.h"
#include "support/routes/Route.h"
#include "vsthost/Host.h"

#include <stdexcept>

namespace gravelo::test::routes {

namespace {

class Vst2Route final : public Route {
  public:
    explicit Vst2Route(const Entries& entries) {
        if (!host.create(entries.vst2)) throw std::runtime_error("no VST 2.x instance");
    }
    void activate(double rate, uint32_t maxBlock) override {
        if (!opened) {
            host.start(rate, static_cast<VstInt32>(maxBlock));
            opened = true;
            return;
        }
        host.dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(rate));
        host.dispatch(effSetBlockSize, 0, static_cast<VstIntPtr>(maxBlock));
        host.dispatch(effMainsChanged, 0, 1);
    }
    void deactivate() override { host.dispatch(effMainsChanged, 0, 0); }
    bool startsAfresh() const override { return false; }
    void set(int index, double value, uint32_t) override {
        const ControlDefinition& c = kControls[static_cast<size_t>(index)];
        host.setParameter(index, static_cast<float>((value - c.minimum) / (c.maximum - c.minimum)));
    }
    void process(const float* input, float* left, uint32_t frames) override {
        right.resize(frames);
        float* ins[2] = {const_cast<float*>(input), const_cast<float*>(input)};
        float* outs[2] = {left, right.data()};
        host.process(ins, outs, static_cast<VstInt32>(frames));
    }
    std::vector<uint8_t> save() override { return host.getChunk(); }
    bool load(const std::vector<uint8_t>& state) override {
        host.setChunk(state.data(), state.size());
        return true;
    }
    bool strictState() const override { return false; }
    // Its hosts show the display text; the float they read is normalised.
    std::optional<double> value(int) override { return std::nullopt; }

  private:
    vsthost::Host host;
    bool opened = false;
    std::vector<float> right;
};

} // namespace

std::unique_ptr<Route> makeVst2Route(const Entries& entries) {
    return std::make_unique<Vst2Route>(entries);
}

} // namespace gravelo::test::routes
