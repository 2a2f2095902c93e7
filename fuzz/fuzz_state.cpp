// One saved state, whatever its bytes, through every format's way in (the
// route suite's hosts: CLAP and VST 3 streams of any number of bytes per
// call, the LV2 state with its type or another, gravelo-amp's and the
// renderer's preset files, the VST 2.x chunk). The strict formats must agree
// with each other (all take it or all refuse it and keep their state), a
// state they take must come back as it was (its controls by value), and the
// lenient VST 2.x chunk must load the same from anything they take.
#include "effect/Controls.h"
#include "support/FuzzHost.h"
#include "support/LinkedEntries.h"

#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

using gravelo::test::routes::HostManner;
using gravelo::test::routes::Route;
using gravelo::test::routes::RouteMaker;

namespace {

// The marker and the sliders bit for bit, the controls by value: a control
// loads by the host-value rule, which gives -0.0 (the float nearest to the
// step 0) back as 0.0. A route that keeps only the controls is compared on
// those.
bool sameState(const Route& route, const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    if (a.size() != b.size()) return false;
    std::vector<uint8_t> x = a, y = b;
    for (const gravelo::ControlDefinition& c : gravelo::kControls) {
        const size_t at = sizeof(float) * static_cast<size_t>(c.slider);
        if (at + sizeof(float) > x.size()) break;
        float u, v;
        std::memcpy(&u, &x[at], sizeof u);
        std::memcpy(&v, &y[at], sizeof v);
        if (!(u == v)) return false;
        std::memset(&x[at], 0, sizeof u);
        std::memset(&y[at], 0, sizeof v);
    }
    if (route.savesWholeChunk()) return x == y;
    return x.size() >= sizeof(float) && std::memcmp(x.data(), y.data(), sizeof(float)) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    gravelo::fuzz::ByteSource source(data, size);
    const uint8_t mode = source.byte();
    const HostManner manner{1 + mode % 32u, (mode & 0x80) == 0};
    const std::vector<uint8_t> chunk(source.current(), source.current() + source.remaining());

    std::optional<bool> strictTook;
    std::unique_ptr<Route> lenient;
    for (const RouteMaker& maker : allRoutes(gravelo::fuzz::linkedEntries(), manner)) {
        auto route = maker.make();
        if (!route->strictState()) {
            lenient = std::move(route);
            continue;
        }
        const std::vector<uint8_t> before = route->save();
        const bool took = route->load(chunk);
        if (!sameState(*route, route->save(), took ? chunk : before)) std::abort();
        // An LV2 host that hands the state back under another type gives
        // the plug-in nothing to take.
        const bool sawChunk = maker.name != "LV2" || manner.typedChunk;
        if (sawChunk && strictTook && *strictTook != took) std::abort();
        if (sawChunk) strictTook = took;
        route->activate(48000.0, 64);
        gravelo::fuzz::processAndCheck(*route, 32);
    }
    if (!strictTook.value_or(false)) return 0;

    lenient->activate(48000.0, 64);
    if (!lenient->load(chunk) || !sameState(*lenient, lenient->save(), chunk)) std::abort();
    gravelo::fuzz::processAndCheck(*lenient, 32);
    return 0;
}
