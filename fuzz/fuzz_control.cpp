// Control values from hosts, whatever their bits, through every format's way
// in (the route suite's hosts: CLAP parameter events, VST 3 queue points
// after the format's own normalisation, LV2 control ports, gravelo-amp's
// instance, VST 2.x setParameter). The strict formats must hold the same
// controls after the same values, each finite, inside its range and on its
// step; VST 2.x must keep every slider finite and saveable; and the audio
// stays finite.
#include "effect/Controls.h"
#include "support/FuzzHost.h"
#include "support/LinkedEntries.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {

double readDouble(gravelo::fuzz::ByteSource& source) {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= uint64_t{source.byte()} << (8 * i);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// On the step's grid, give or take the chunk's float narrowing.
bool onStep(double value, double step) {
    return std::fabs(value - std::round(value / step) * step) < 1e-5;
}

std::vector<float> chunkFloats(const std::vector<uint8_t>& bytes) {
    std::vector<float> values(bytes.size() / sizeof(float));
    std::memcpy(values.data(), bytes.data(), values.size() * sizeof(float));
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    gravelo::fuzz::ByteSource source(data, size);
    std::vector<std::unique_ptr<gravelo::test::routes::Route>> routes;
    for (const auto& maker : allRoutes(gravelo::fuzz::linkedEntries())) {
        routes.push_back(maker.make());
        routes.back()->activate(48000.0, 64);
    }

    for (int record = 0; record < 64 && source.remaining() >= 9; ++record) {
        const int index = source.byte() % gravelo::kControlCount;
        // LV2 ports carry floats: every route gets the same float's value.
        const float value = static_cast<float>(readDouble(source));
        for (auto& route : routes) {
            route->set(index, value);
            gravelo::fuzz::processAndCheck(*route, 16);
        }
    }

    std::optional<std::vector<uint8_t>> held;
    for (auto& route : routes) {
        const std::vector<uint8_t> saved = route->save();
        if (!route->strictState()) {
            for (float v : chunkFloats(saved))
                if (!std::isfinite(v)) std::abort();
            continue;
        }
        if (held && saved != *held) std::abort();
        held = saved;
    }
    const std::vector<float> values = chunkFloats(*held);
    for (const gravelo::ControlDefinition& c : gravelo::kControls) {
        const double v = values[static_cast<size_t>(c.slider)];
        if (!(v >= c.minimum && v <= c.maximum) || !onStep(v, c.step)) std::abort();
    }
    return 0;
}
