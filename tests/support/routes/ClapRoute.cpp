// CLAP as a host drives it: parameter events at their frames in the next
// process call, get_value read back, the state through streams that move
// a few bytes per call.
#include "ClapTestHost.h"
#include "support/routes/Route.h"

#include <stdexcept>

namespace gravelo::test::routes {

namespace {

class ClapRoute final : public Route {
  public:
    ClapRoute(const Entries& entries, const HostManner& way)
        : manner(way), library(entries.clap), instance(library, host) {
        if (instance.plugin() == nullptr) throw std::runtime_error("no CLAP instance");
    }
    void activate(double rate, uint32_t maxBlock) override {
        if (!instance.start(rate, maxBlock)) throw std::runtime_error("CLAP does not start");
    }
    void deactivate() override { instance.stop(); }
    void set(int index, double value, uint32_t frame) override {
        pending->add(frame, static_cast<clap_id>(index), value);
    }
    bool timesChanges() const override { return true; }
    void process(const float* input, float* left, uint32_t frames) override {
        right.resize(frames);
        instance.process(input, input, left, right.data(), frames, pending.get());
        pending = std::make_unique<clap::InputEvents>();
    }
    std::vector<uint8_t> save() override { return instance.save(manner.bytesPerCall); }
    bool load(const std::vector<uint8_t>& state) override {
        return instance.load(state, manner.bytesPerCall);
    }
    std::optional<double> value(int index) override {
        return instance.value(static_cast<clap_id>(index));
    }

  private:
    HostManner manner;
    clap::ClapLibrary library;
    clap::TestHost host;
    clap::Instance instance;
    std::unique_ptr<clap::InputEvents> pending = std::make_unique<clap::InputEvents>();
    std::vector<float> right;
};

} // namespace

std::unique_ptr<Route> makeClapRoute(const Entries& entries, const HostManner& manner) {
    return std::make_unique<ClapRoute>(entries, manner);
}

} // namespace gravelo::test::routes
