// Gravelo.clap loaded as a CLAP host loads it: entry, factory, descriptor,
// ports, parameters, audio, sample-accurate events, state, and bad input.
#include "ClapTestHost.h"
#include "RenderTestSupport.h"
#include "instance/AmpInstance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace gravelo::test::clap {
namespace {

constexpr double kRate = 48000.0;
constexpr uint32_t kBlock = 256;
constexpr clap_id kOutput = 1;

const ClapLibrary& library() {
    static ClapLibrary loaded(GRAVELO_CLAP_PATH);
    return loaded;
}

struct Stereo {
    std::vector<float> left, right;
};

// A few seconds of the render tests' bass signal, as floats.
Stereo bassInput(int frames) {
    const render::Audio audio = render::testSignal(48000, 2, frames / kRate);
    Stereo s;
    for (int64_t f = 0; f < audio.frames(); ++f) {
        s.left.push_back(static_cast<float>(audio.at(f, 0)));
        s.right.push_back(static_cast<float>(audio.at(f, 1)));
    }
    return s;
}

// The input through the instance in blocks of `block` frames.
Stereo render(Instance& amp, const Stereo& in, uint32_t block = kBlock) {
    Stereo out{std::vector<float>(in.left.size()), std::vector<float>(in.left.size())};
    for (size_t at = 0; at < in.left.size(); at += block) {
        const uint32_t n = static_cast<uint32_t>(std::min<size_t>(block, in.left.size() - at));
        EXPECT_EQ(amp.process(&in.left[at], &in.right[at], &out.left[at], &out.right[at], n),
                  CLAP_PROCESS_CONTINUE);
    }
    return out;
}

TEST(ClapEntry, FactoryListsOneAmplifierAndRefusesWhatItDoesNotKnow) {
    ASSERT_NE(library().entry(), nullptr) << library().error();
    const clap_plugin_entry& entry = *library().entry();
    EXPECT_TRUE(clap_version_is_compatible(entry.clap_version));
    // A second init (a wrapper in the same process) is fine and needs its deinit.
    EXPECT_TRUE(entry.init(GRAVELO_CLAP_PATH));
    entry.deinit();
    EXPECT_EQ(entry.get_factory("clap.preset-discovery-factory/2"), nullptr);
    EXPECT_EQ(entry.get_factory(""), nullptr);
    EXPECT_EQ(entry.get_factory(nullptr), nullptr);
    // Ids are compared as text, not by pointer.
    const std::string id = CLAP_PLUGIN_FACTORY_ID;
    const auto* factory = static_cast<const clap_plugin_factory*>(entry.get_factory(id.c_str()));
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(factory->get_plugin_count(factory), 1u);
    EXPECT_EQ(factory->get_plugin_descriptor(factory, 1), nullptr);

    const clap_plugin_descriptor* d = factory->get_plugin_descriptor(factory, 0);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(clap_version_is_compatible(d->clap_version));
    EXPECT_STREQ(d->id, "com.morvane.gravelo");
    EXPECT_STREQ(d->name, "Gravelo I");
    EXPECT_STREQ(d->vendor, "Morvane");
    EXPECT_STREQ(d->version, "1.0.0");
    std::vector<std::string> features;
    for (const char* const* f = d->features; *f != nullptr; ++f)
        features.emplace_back(*f);
    EXPECT_EQ(features.front(), "audio-effect");
    for (const char* wanted : {"stereo", "distortion"})
        EXPECT_NE(std::find(features.begin(), features.end(), wanted), features.end()) << wanted;

    TestHost host;
    EXPECT_EQ(factory->create_plugin(factory, host.get(), "com.morvane.gravelo2"), nullptr);
    EXPECT_EQ(factory->create_plugin(factory, host.get(), nullptr), nullptr);
    EXPECT_EQ(factory->create_plugin(factory, nullptr, d->id), nullptr);
    clap_host old = *host.get();
    old.clap_version = {0, 9, 0};
    EXPECT_EQ(factory->create_plugin(factory, &old, d->id), nullptr);
}

TEST(ClapPlugin, ExtensionsAndStereoPortsInPlace) {
    TestHost host;
    Instance amp(library(), host);
    for (const char* known : {CLAP_EXT_AUDIO_PORTS, CLAP_EXT_PARAMS, CLAP_EXT_STATE,
                              CLAP_EXT_REMOTE_CONTROLS, CLAP_EXT_REMOTE_CONTROLS_COMPAT})
        EXPECT_NE(amp.extension<void>(known), nullptr) << known;
    for (const char* unknown : {"clap.note-ports", "clap.params.draft", "", "clap.latency/2"})
        EXPECT_EQ(amp.extension<void>(unknown), nullptr) << unknown;
    EXPECT_EQ(amp.plugin()->get_extension(amp.plugin(), nullptr), nullptr);

    const auto* ports = amp.extension<clap_plugin_audio_ports>(CLAP_EXT_AUDIO_PORTS);
    for (bool input : {true, false}) {
        EXPECT_EQ(ports->count(amp.plugin(), input), 1u);
        clap_audio_port_info info{};
        ASSERT_TRUE(ports->get(amp.plugin(), 0, input, &info));
        EXPECT_STREQ(info.name, input ? "Input" : "Output");
        EXPECT_EQ(info.flags, CLAP_AUDIO_PORT_IS_MAIN);
        EXPECT_EQ(info.channel_count, 2u);
        EXPECT_STREQ(info.port_type, "stereo");
        EXPECT_EQ(info.in_place_pair, info.id);
        EXPECT_FALSE(ports->get(amp.plugin(), 1, input, &info));
    }
}

// A controller's pages: the big knobs, then the two small ones, each in the
// panel's rows from the top and from the left; an empty slot is no id.
TEST(ClapPlugin, RemoteControlPagesFollowThePanel) {
    TestHost host;
    Instance amp(library(), host);
    const auto* remote = amp.extension<clap_plugin_remote_controls>(CLAP_EXT_REMOTE_CONTROLS);
    ASSERT_NE(remote, nullptr);
    const std::vector<std::pair<std::string, std::vector<std::string>>> expected = {
        {"Main", {"Quorvel", "Output", "Presence", "Bass", "Middle", "Treble", "Dirt", "LFcut"}},
        {"More", {"Depth"}}};
    ASSERT_EQ(remote->count(amp.plugin()), expected.size());
    for (uint32_t index = 0; index < expected.size(); ++index) {
        clap_remote_controls_page page{};
        ASSERT_TRUE(remote->get(amp.plugin(), index, &page));
        EXPECT_STREQ(page.section_name, "Amplifier");
        EXPECT_EQ(page.page_id, index);
        EXPECT_EQ(page.page_name, expected[index].first);
        EXPECT_FALSE(page.is_for_preset);
        const std::vector<std::string>& names = expected[index].second;
        for (size_t slot = 0; slot < CLAP_REMOTE_CONTROLS_COUNT; ++slot) {
            const clap_id id = page.param_ids[slot];
            if (slot >= names.size()) {
                EXPECT_EQ(id, CLAP_INVALID_ID) << page.page_name << " slot " << slot;
                continue;
            }
            clap_param_info info{};
            ASSERT_TRUE(amp.params()->get_info(amp.plugin(), id, &info)) << id;
            EXPECT_EQ(info.id, id);
            EXPECT_EQ(info.name, names[slot]) << page.page_name << " slot " << slot;
        }
    }
    clap_remote_controls_page page{};
    EXPECT_FALSE(remote->get(amp.plugin(), 2, &page));
    EXPECT_FALSE(remote->get(amp.plugin(), 0, nullptr));
}

// No latency; the tail is the instance's at the rate of the last activation.
TEST(ClapPlugin, NoLatencyAndTheInstancesTail) {
    TestHost host;
    Instance amp(library(), host);
    const auto* latency = amp.extension<clap_plugin_latency>(CLAP_EXT_LATENCY);
    const auto* tail = amp.extension<clap_plugin_tail>(CLAP_EXT_TAIL);
    ASSERT_NE(latency, nullptr);
    ASSERT_NE(tail, nullptr);
    for (double rate : {kRate, 96000.0}) {
        ASSERT_TRUE(amp.start(rate, kBlock));
        EXPECT_EQ(latency->get(amp.plugin()), 0u);
        EXPECT_EQ(tail->get(amp.plugin()), instance::AmpInstance::tailFrames(rate));
        amp.stop();
    }
}

TEST(ClapParams, NineControlsInPanelUnitsWithTheVstTexts) {
    TestHost host;
    Instance amp(library(), host);
    const clap_plugin_params* params = amp.params();
    ASSERT_EQ(params->count(amp.plugin()), 9u);
    const struct {
        const char* name;
        double minimum, maximum, defaultValue;
    } expected[9] = {{"Quorvel", 0, 40, 0}, {"Output", -20, 20, 0}, {"Presence", 0, 10, 0},
                     {"Dirt", 0, 10, 0},    {"Bass", -6, 6, 0},     {"Middle", -6, 6, 0},
                     {"Treble", -6, 6, 0},  {"Depth", 0.1, 10, 8},  {"LFcut", 0, 10, 0}};
    for (uint32_t i = 0; i < 9; ++i) {
        clap_param_info info{};
        ASSERT_TRUE(params->get_info(amp.plugin(), i, &info));
        EXPECT_EQ(info.id, i);
        EXPECT_STREQ(info.name, expected[i].name);
        EXPECT_STREQ(info.module, "");
        EXPECT_EQ(info.min_value, expected[i].minimum);
        EXPECT_EQ(info.max_value, expected[i].maximum);
        EXPECT_EQ(info.default_value, expected[i].defaultValue);
        EXPECT_TRUE(info.flags & CLAP_PARAM_IS_AUTOMATABLE);
        EXPECT_FALSE(info.flags & (CLAP_PARAM_IS_STEPPED | CLAP_PARAM_IS_MODULATABLE));
        EXPECT_EQ(amp.value(i), expected[i].defaultValue);
        // Every text the plug-in prints reads back as the value it shows.
        for (double v : {expected[i].minimum, expected[i].maximum, 1.25, -3.5}) {
            char text[64];
            ASSERT_TRUE(params->value_to_text(amp.plugin(), i, v, text, sizeof text));
            char vst[64];
            std::snprintf(vst, sizeof vst, "%.2f", v);
            EXPECT_STREQ(text, vst);
            double back = 0.0;
            ASSERT_TRUE(params->text_to_value(amp.plugin(), i, text, &back)) << text;
            EXPECT_NEAR(back, v, 0.005);
        }
    }
    clap_param_info info{};
    EXPECT_FALSE(params->get_info(amp.plugin(), 9, &info));
    double v = 0.0;
    EXPECT_FALSE(params->get_value(amp.plugin(), 9, &v));
    EXPECT_FALSE(params->get_value(amp.plugin(), CLAP_INVALID_ID, &v));
    char small[4];
    ASSERT_TRUE(params->value_to_text(amp.plugin(), 1, -12.5, small, sizeof small));
    EXPECT_STREQ(small, "-12");
    for (const char* bad : {"", "abc", "1.5x", "nan", "inf", "1e999"})
        EXPECT_FALSE(params->text_to_value(amp.plugin(), 1, bad, &v)) << bad;
    EXPECT_TRUE(params->text_to_value(amp.plugin(), 1, " 7 ", &v));
    EXPECT_EQ(v, 7.0);
}

TEST(ClapParams, HostValuesAreHeldSnappedAndFilteredLikeVstParameters) {
    TestHost host;
    Instance amp(library(), host);
    amp.setValue(kOutput, 3.3); // step 0.5
    EXPECT_EQ(amp.value(kOutput), 3.5);
    amp.setValue(0, 20.5); // Quorvel, step 1: half-way goes up
    EXPECT_EQ(amp.value(0), 21.0);
    amp.setValue(kOutput, 100.0);
    EXPECT_EQ(amp.value(kOutput), 20.0);
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity()}) {
        amp.setValue(kOutput, bad);
        EXPECT_EQ(amp.value(kOutput), 20.0);
    }
    // Unknown ids, other event spaces and kinds, and short events are skipped.
    InputEvents in;
    in.add(0, 9, 1.0);
    in.add(0, CLAP_INVALID_ID, 1.0);
    clap_event_param_value foreign{};
    foreign.header = {sizeof foreign, 0, 1, CLAP_EVENT_PARAM_VALUE, 0};
    foreign.param_id = kOutput;
    foreign.value = -5.0;
    in.addRaw(foreign.header);
    foreign.header = {sizeof foreign, 0, 0, CLAP_EVENT_PARAM_MOD, 0};
    in.addRaw(foreign.header);
    foreign.header = {16, 0, 0, CLAP_EVENT_PARAM_VALUE, 0};
    in.addRaw(foreign.header);
    OutputEvents out;
    amp.params()->flush(amp.plugin(), in.get(), out.get());
    EXPECT_EQ(amp.value(kOutput), 20.0);
    EXPECT_TRUE(out.events.empty()); // host changes are never echoed
}

// A reset, out of place and in place, leaves the instance as a new one with
// the same controls: the same render, bit for bit. (Re-activation is held
// to that with every format's, in the route suite.)
TEST(ClapAudio, ResetSoundsLikeANewInstanceInPlaceOrNot) {
    const Stereo in = bassInput(72000);
    const auto settings = [](Instance& amp) {
        for (const auto& [param, value] :
             {std::pair<clap_id, double>{0, 24}, {3, 7}, {4, 4}, {5, 3}, {6, 5}, {7, 2}, {8, 6}})
            amp.setValue(param, value);
    };
    TestHost freshHost, host;
    Instance fresh(library(), freshHost), amp(library(), host);
    settings(fresh);
    settings(amp);
    ASSERT_TRUE(fresh.start(kRate, kBlock));
    const Stereo first = render(fresh, in);

    const auto inPlace = [&] {
        Stereo io = in;
        for (size_t at = 0; at < io.left.size(); at += kBlock)
            amp.process(&io.left[at], &io.right[at], &io.left[at], &io.right[at],
                        static_cast<uint32_t>(std::min<size_t>(kBlock, io.left.size() - at)));
        return io;
    };
    const auto expectFirst = [&](const Stereo& out, const char* after) {
        size_t differing = 0;
        for (size_t f = 0; f < in.left.size(); ++f)
            differing += out.left[f] != first.left[f] || out.right[f] != first.right[f];
        EXPECT_EQ(differing, 0u) << after;
    };
    ASSERT_TRUE(amp.start(kRate, kBlock));
    inPlace();
    amp.reset();
    expectFirst(render(amp, in), "reset");
    amp.reset();
    expectFirst(inPlace(), "reset, in place");
}

} // namespace
} // namespace gravelo::test::clap
