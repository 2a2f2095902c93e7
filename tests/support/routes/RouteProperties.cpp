#include "support/routes/RouteProperties.h"

#include "effect/Controls.h"
#include "instance/AmpInstance.h"

#include <cmath>
#include <cstring>
#include <sstream>
#include <utility>

namespace gravelo::test::routes {

namespace {

constexpr double kRate = 48000.0;
constexpr uint32_t kBlock = 256;
constexpr size_t kFrames = 8192;
constexpr int kOutput = 1, kPresence = 2, kBass = 4, kMiddle = 5, kTreble = 6, kDepth = 7;

struct Change {
    size_t frame; // at a block's start
    int index;
    double value;
};

// Values between steps and on them, then a change half way through.
const std::vector<Change>& settings() {
    static const std::vector<Change> all = {
        {0, kBass, -2.4},          {0, kMiddle, -2.4},   {0, kTreble, -2.4},
        {0, kDepth, 3.1},          {0, kPresence, 3.14}, {kFrames / 2, kOutput, -6.3},
        {kFrames / 2, kBass, 1.7},
    };
    return all;
}

std::vector<Change> startSettings() {
    std::vector<Change> start;
    for (const Change& c : settings())
        if (c.frame == 0) start.push_back(c);
    return start;
}

// Plucks of a low note with a little of its octave: exact floats.
const std::vector<float>& bassInput() {
    static const std::vector<float> samples = [] {
        std::vector<float> s(kFrames);
        for (size_t i = 0; i < s.size(); ++i) {
            const double t = static_cast<double>(i % 2048) / kRate;
            s[i] = static_cast<float>(std::exp(-6.0 * t) * (0.5 * std::sin(2 * M_PI * 55.0 * t) +
                                                            0.2 * std::sin(2 * M_PI * 110.0 * t)));
        }
        return s;
    }();
    return samples;
}

std::vector<float> render(Route& route, const std::vector<Change>& changes = {},
                          const std::vector<float>& input = bassInput()) {
    std::vector<float> left(input.size());
    for (size_t at = 0; at < input.size(); at += kBlock) {
        for (const Change& c : changes)
            if (c.frame == at) route.set(c.index, c.value);
        const auto n = static_cast<uint32_t>(std::min<size_t>(kBlock, input.size() - at));
        route.process(input.data() + at, left.data() + at, n);
    }
    return left;
}

std::unique_ptr<Route> active(const Make& make) {
    std::unique_ptr<Route> route = make();
    route->activate(kRate, kBlock);
    return route;
}

std::string firstDifference(const std::vector<float>& heard, const std::vector<float>& expected) {
    for (size_t i = 0; i < expected.size(); ++i)
        if (std::memcmp(&heard[i], &expected[i], sizeof(float)) != 0) {
            std::ostringstream line;
            line.precision(9);
            line << "sample " << i << " is " << heard[i] << ", not " << expected[i];
            return line.str();
        }
    return {};
}

std::string valuesDiffer(Route& route, Route& other) {
    for (int i = 0; i < kControlCount; ++i)
        if (route.value(i) != other.value(i))
            return std::string(kControls[static_cast<size_t>(i)].name) + " reads otherwise";
    return {};
}

std::vector<uint8_t> withFloat(std::vector<uint8_t> chunk, int index, float value) {
    const size_t at =
        sizeof(float) * static_cast<size_t>(kControls[static_cast<size_t>(index)].slider);
    if (chunk.size() >= at + sizeof value) std::memcpy(chunk.data() + at, &value, sizeof value);
    return chunk;
}

float floatAt(const std::vector<uint8_t>& chunk, int index) {
    const size_t at =
        sizeof(float) * static_cast<size_t>(kControls[static_cast<size_t>(index)].slider);
    float value = NAN;
    if (chunk.size() >= at + sizeof value) std::memcpy(&value, chunk.data() + at, sizeof value);
    return value;
}

const instance::AmpInstance& rule() {
    static const instance::AmpInstance amp;
    return amp;
}

// A value 37 % up the range and a fifth of a step off the grid.
double offGrid(const ControlDefinition& c) {
    return c.minimum + 0.37 * (c.maximum - c.minimum) + 0.2 * c.step;
}

} // namespace

std::string rendersLike(const Make& route, const Make& reference) {
    const auto a = active(route), b = active(reference);
    return firstDifference(render(*a, settings()), render(*b, settings()));
}

std::string loadsSavedFloatsAsTheRuleGives(const Make& route, const Make& reference) {
    const auto a = active(route), b = active(reference);
    std::vector<uint8_t> chunk = withFloat(a->save(), kPresence, 3.14f);
    chunk = withFloat(chunk, kBass, -2.4f);
    if (!a->load(chunk) || !b->load(chunk)) return "the chunk is refused";
    // 3.14f lies between steps and stays as saved; -2.4f is the float
    // nearest to the step -2.4 and loads as the double a host's -2.4 gives.
    const double bass = rule().hostValue(kBass, -2.4);
    for (auto [index, expected] : {std::pair{kPresence, double{3.14f}}, std::pair{kBass, bass}})
        if (const auto v = a->value(index); v && *v != expected)
            return std::string(kControls[static_cast<size_t>(index)].name) + " reads otherwise";
    if (a->save() != chunk) return "saved otherwise";
    return firstDifference(render(*a), render(*b));
}

std::string stateRoundTripIsExact(const Make& route) {
    const auto original = active(route);
    const std::vector<float> heard = render(*original, startSettings());
    const std::vector<uint8_t> saved = original->save();
    const auto loaded = active(route);
    if (!loaded->load(saved)) return "its own state is refused";
    if (std::string why = valuesDiffer(*loaded, *original); !why.empty()) return why;
    if (loaded->save() != saved) return "saved otherwise after loading";
    return firstDifference(render(*loaded), heard);
}

std::string damagedStateChangesNothing(const Make& route) {
    const auto target = active(route), twin = active(route);
    render(*target, startSettings());
    render(*twin, startSettings());
    const std::vector<uint8_t> saved = target->save();
    // Damage done to another state, so that a route taking it would change.
    const auto other = active(route);
    other->set(kDepth, 9.0);
    other->set(kOutput, 5.0);
    std::vector<float> block(kBlock);
    other->process(bassInput().data(), block.data(), kBlock);
    const std::vector<uint8_t> good = other->save();
    std::vector<std::vector<uint8_t>> damaged = {good};
    damaged[0][0] ^= 0xFF; // the marker
    if (target->strictState()) {
        damaged.emplace_back();
        damaged.emplace_back(good.begin(), good.begin() + 4);
        damaged.emplace_back(good.begin(), good.end() - 1);
        damaged.push_back(good);
        damaged.back().push_back(0);
        damaged.push_back(withFloat(good, kOutput, NAN));
        damaged.push_back(withFloat(good, kOutput, 35.0f)); // beyond +20 dB
        damaged.push_back(good);
        const float infinite = INFINITY; // in a slider no control uses
        std::memcpy(damaged.back().data() + 40 * sizeof(float), &infinite, sizeof infinite);
    }
    for (const std::vector<uint8_t>& state : damaged) {
        if (target->load(state) && target->strictState())
            return "a damaged state of " + std::to_string(state.size()) + " bytes is taken";
        if (target->save() != saved)
            return "a damaged state of " + std::to_string(state.size()) + " bytes changed it";
    }
    if (std::string why = valuesDiffer(*target, *twin); !why.empty()) return why;
    return firstDifference(render(*target), render(*twin));
}

std::string hostChangeReachesTheControl(const Make& route) {
    for (int index = 0; index < kControlCount; ++index) {
        const ControlDefinition& c = kControls[static_cast<size_t>(index)];
        const double expected = rule().hostValue(index, offGrid(c));
        const auto r = active(route);
        r->set(index, offGrid(c));
        std::vector<float> block(kBlock);
        r->process(bassInput().data(), block.data(), kBlock);
        const auto read = r->value(index);
        if ((read && *read != expected) ||
            floatAt(r->save(), index) != static_cast<float>(expected))
            return std::string(c.name) + " does not take " + std::to_string(expected);
    }
    return {};
}

std::string midBlockChangeEqualsSplitBlock(const Make& route) {
    const auto whole = active(route), split = active(route), unchanged = active(route);
    if (!whole->timesChanges()) return {};
    constexpr uint32_t kFirst = 100, kSecond = 180;
    const float* input = bassInput().data();
    std::vector<float> one(kBlock), two(kBlock), none(kBlock);
    whole->set(kOutput, 10.0, kFirst);
    whole->set(kBass, -5.0, kSecond);
    whole->process(input, one.data(), kBlock);
    split->process(input, two.data(), kFirst);
    split->set(kOutput, 10.0);
    split->process(input + kFirst, two.data() + kFirst, kSecond - kFirst);
    split->set(kBass, -5.0);
    split->process(input + kSecond, two.data() + kSecond, kBlock - kSecond);
    unchanged->process(input, none.data(), kBlock);
    if (std::memcmp(one.data(), none.data(), kFirst * sizeof(float)) != 0)
        return "the change is heard before its frame";
    if (std::memcmp(one.data() + kFirst, none.data() + kFirst, (kBlock - kFirst) * sizeof(float)) ==
        0)
        return "the change is not heard";
    return firstDifference(one, two);
}

std::string reactivationStartsAfresh(const Make& route) {
    const auto used = active(route);
    if (!used->startsAfresh()) return {};
    std::vector<float> loud(kFrames);
    for (size_t i = 0; i < loud.size(); ++i)
        loud[i] = (i * 7919 % 1000) < 500 ? 0.9f : -0.9f;
    used->deactivate();
    used->activate(44100.0, kBlock); // another rate first
    render(*used, startSettings(), loud);
    used->deactivate();
    used->activate(kRate, kBlock);
    const std::vector<float> heard = render(*used);
    return firstDifference(heard, render(*active(route), startSettings()));
}

} // namespace gravelo::test::routes
