// Faults planted at a route's edge, one for each property: a suite that
// passes must also be shown to fail.
#include "effect/Controls.h"
#include "support/routes/RouteProperties.h"

#include <cmath>
#include <cstring>

namespace gravelo::test::routes {

namespace {

constexpr int kBass = 4, kDepth = 7;

void nudge(std::vector<uint8_t>& chunk, int index, int ulps) {
    const size_t at =
        sizeof(float) * static_cast<size_t>(kControls[static_cast<size_t>(index)].slider);
    if (chunk.size() < at + sizeof(float)) return;
    float value;
    std::memcpy(&value, chunk.data() + at, sizeof value);
    for (int i = 0; i < ulps; ++i)
        value = std::nextafter(value, INFINITY);
    std::memcpy(chunk.data() + at, &value, sizeof value);
}

class Faulty final : public Route {
  public:
    Faulty(std::unique_ptr<Route> route, Fault planted) : inner(std::move(route)), fault(planted) {}
    void activate(double rate, uint32_t maxBlock) override {
        if (fault == Fault::ActivationKeepsSound && activated) return;
        activated = true;
        inner->activate(rate, maxBlock);
    }
    void deactivate() override {
        if (fault != Fault::ActivationKeepsSound) inner->deactivate();
    }
    void set(int index, double value, uint32_t frame) override {
        if (fault == Fault::HostValueShifted)
            value += 0.4 * kControls[static_cast<size_t>(index)].step;
        if (fault == Fault::ChangeAtBlockStart) frame = 0;
        inner->set(index, value, frame);
    }
    bool startsAfresh() const override { return inner->startsAfresh(); }
    bool timesChanges() const override { return inner->timesChanges(); }
    void process(const float* input, float* left, uint32_t frames) override {
        inner->process(input, left, frames);
        if (fault == Fault::OutputBitFlipped && ++blocks == 10) {
            uint32_t bits;
            std::memcpy(&bits, &left[frames / 2], sizeof bits);
            bits ^= 1;
            std::memcpy(&left[frames / 2], &bits, sizeof bits);
        }
    }
    std::vector<uint8_t> save() override { return inner->save(); }
    bool load(const std::vector<uint8_t>& state) override {
        std::vector<uint8_t> taken = state;
        if (fault == Fault::SavedFloatOneUlpOff) nudge(taken, kBass, 1);
        if (fault == Fault::LoadMissesAControl) nudge(taken, kDepth, 1 << 20);
        if (fault == Fault::DamageRepaired) {
            const std::vector<uint8_t> own = inner->save();
            taken.resize(own.size());
            std::memcpy(taken.data(), own.data(), sizeof(float)); // the marker
        }
        return inner->load(taken);
    }
    bool strictState() const override { return inner->strictState(); }
    bool savesWholeChunk() const override { return inner->savesWholeChunk(); }
    std::optional<double> value(int index) override { return inner->value(index); }

  private:
    std::unique_ptr<Route> inner;
    Fault fault;
    bool activated = false;
    int blocks = 0;
};

} // namespace

Make withFault(const Make& route, Fault fault) {
    return [route, fault] { return std::make_unique<Faulty>(route(), fault); };
}

} // namespace gravelo::test::routes
