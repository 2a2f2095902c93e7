// The state rule through every way a state reaches the amplifier: VST 2.x
// setChunk, CLAP, VST 3, LV2, gravelo-amp's preset files and the renderer's
// .fxp loading. Each route is a small host of its format; the properties
// below loop over them, so a format added to the table is held to them too.
#include "ClapTestHost.h"
#include "Vst3TestHost.h"
#include "effect/Controls.h"
#include "effect/Identity.h"
#include "instance/AmpInstance.h"
#include "lv2/Ports.h"
#include "lv2/dsp/Lv2Amp.h"
#include "programs/PresetFile.h"
#include "programs/PresetLoad.h"
#include "standalone/StateFile.h"
#include "vsthost/Host.h"
#include "vsthost/PluginLibrary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <lv2/atom/atom.h>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace gravelo::test::state {

namespace {

constexpr double kRate = 48000.0;
constexpr uint32_t kBlock = 64;

const ControlDefinition& control(int index) {
    return kControls[static_cast<size_t>(index)];
}

// One way in: a host's value in panel units through the format's own
// parameters, the state saved and loaded as the format moves it, the left
// output of blocks of kBlock, and the control's value where the format reads
// doubles back.
class Route {
  public:
    virtual ~Route() = default;
    virtual void set(int index, double value) = 0;
    virtual std::vector<uint8_t> save() = 0;
    virtual bool load(const std::vector<uint8_t>& chunk) = 0;
    virtual std::vector<float> render(const std::vector<float>& input) = 0;
    virtual std::optional<double> value(int index) = 0;
};

template <class Block> std::vector<float> inBlocks(const std::vector<float>& input, Block block) {
    std::vector<float> left(input.size()), right(input.size());
    for (size_t at = 0; at < input.size(); at += kBlock) {
        const auto n = static_cast<uint32_t>(std::min<size_t>(kBlock, input.size() - at));
        block(input.data() + at, left.data() + at, right.data() + at, n);
    }
    return left;
}

class Vst2Route final : public Route {
  public:
    Vst2Route() {
        static const auto library = vsthost::PluginLibrary::load(vsthost::builtPluginPath());
        if (!host.create(library->entry("VSTPluginMain"))) throw std::runtime_error("no VST 2.x");
        host.start(kRate, kBlock);
    }
    void set(int index, double value) override {
        const ControlDefinition& c = control(index);
        host.setParameter(index, static_cast<float>((value - c.minimum) / (c.maximum - c.minimum)));
    }
    std::vector<uint8_t> save() override { return host.getChunk(); }
    bool load(const std::vector<uint8_t>& chunk) override {
        host.setChunk(chunk.data(), chunk.size());
        return true;
    }
    std::vector<float> render(const std::vector<float>& input) override {
        return inBlocks(input, [&](const float* in, float* left, float* right, uint32_t n) {
            float* ins[2] = {const_cast<float*>(in), const_cast<float*>(in)};
            float* outs[2] = {left, right};
            host.process(ins, outs, static_cast<VstInt32>(n));
        });
    }
    std::optional<double> value(int) override { return std::nullopt; }

  private:
    vsthost::Host host;
};

class ClapRoute final : public Route {
  public:
    ClapRoute() : instance(library(), host) {}
    void set(int index, double value) override {
        instance.setValue(static_cast<clap_id>(index), value);
    }
    std::vector<uint8_t> save() override { return instance.save(7); }
    bool load(const std::vector<uint8_t>& chunk) override { return instance.load(chunk, 7); }
    std::vector<float> render(const std::vector<float>& input) override {
        if (!instance.start(kRate, kBlock)) throw std::runtime_error("CLAP does not start");
        return inBlocks(input, [&](const float* in, float* left, float* right, uint32_t n) {
            instance.process(in, in, left, right, n);
        });
    }
    std::optional<double> value(int index) override {
        return instance.value(static_cast<clap_id>(index));
    }

  private:
    static const test::clap::ClapLibrary& library() {
        static const test::clap::ClapLibrary loaded(GRAVELO_CLAP_PATH);
        return loaded;
    }
    test::clap::TestHost host;
    test::clap::Instance instance;
};

class Vst3Route final : public Route {
  public:
    void set(int index, double value) override {
        plugin.set(static_cast<vst3::ParamID>(index), value);
    }
    std::vector<uint8_t> save() override { return plugin.save(7); }
    bool load(const std::vector<uint8_t>& chunk) override {
        return plugin.load(chunk, 7) == vst3::kResultOk;
    }
    std::vector<float> render(const std::vector<float>& input) override {
        if (!plugin.start(kRate, kBlock)) throw std::runtime_error("VST 3 does not start");
        return inBlocks(input, [&](const float* in, float* left, float* right, uint32_t n) {
            plugin.process(in, in, left, right, static_cast<int32_t>(n));
        });
    }
    std::optional<double> value(int index) override {
        return plugin.value(static_cast<vst3::ParamID>(index));
    }

  private:
    vst3::Plugin plugin;
};

// The DSP side in this process, as a host holds it: control ports it owns,
// the state under the plug-in's key.
class Lv2Route final : public Route {
  public:
    Lv2Route() {
        const LV2_Feature* features[] = {&mapFeature, nullptr};
        amp = lv2::Lv2Amp::create(kRate, features);
        if (!amp) throw std::runtime_error("no LV2 instance");
        for (uint32_t c = 0; c < lv2::kControlPorts; ++c)
            ports[lv2::kFirstControl + c] = static_cast<float>(kControls[c].defaultValue);
        for (uint32_t port = 0; port < lv2::kPortCount; ++port)
            amp->connect(port, &ports[port]);
        amp->activate();
    }
    ~Lv2Route() override { amp->deactivate(); }
    void set(int index, double value) override {
        // Taken at the next run, as a host's port changes are.
        ports[lv2::kFirstControl + static_cast<uint32_t>(index)] = static_cast<float>(value);
    }
    std::vector<uint8_t> save() override {
        std::vector<uint8_t> bytes;
        amp->save(&Lv2Route::store, &bytes);
        return bytes;
    }
    bool load(const std::vector<uint8_t>& chunk) override {
        loading = &chunk;
        return amp->restore(&Lv2Route::retrieve, this) == LV2_STATE_SUCCESS;
    }
    std::vector<float> render(const std::vector<float>& input) override {
        return inBlocks(input, [&](const float* in, float* left, float* right, uint32_t n) {
            amp->connect(lv2::kInputLeft, const_cast<float*>(in));
            amp->connect(lv2::kInputRight, const_cast<float*>(in));
            amp->connect(lv2::kOutputLeft, left);
            amp->connect(lv2::kOutputRight, right);
            amp->run(n);
        });
    }
    std::optional<double> value(int) override { return std::nullopt; }

  private:
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
        *type = map(self, LV2_ATOM__Chunk);
        *flags = 0;
        return self->loading->data();
    }

    std::vector<std::string> uris;
    LV2_URID_Map urids{this, map};
    LV2_Feature mapFeature{LV2_URID__map, &urids};
    std::unique_ptr<lv2::Lv2Amp> amp;
    std::vector<float> ports = std::vector<float>(lv2::kPortCount, 0.0f);
    const std::vector<uint8_t>* loading = nullptr;
};

// The instance the programs on it share; each loads a state its own way.
class InstanceRoute : public Route {
  public:
    void set(int index, double value) override { amp.setControl(index, value); }
    std::vector<uint8_t> save() override {
        const auto bytes = amp.saveState();
        return {bytes.begin(), bytes.end()};
    }
    std::vector<float> render(const std::vector<float>& input) override {
        if (!amp.activate(kRate, kBlock)) throw std::runtime_error("no activation");
        return inBlocks(input, [&](const float* in, float* left, float* right, uint32_t n) {
            const float* const ins[2] = {in, in};
            float* const outs[2] = {left, right};
            amp.process(ins, outs, n);
        });
    }
    std::optional<double> value(int index) override { return amp.control(index); }

  protected:
    static std::vector<uint8_t> fxp(const std::vector<uint8_t>& chunk) {
        render::presetfile::Preset preset;
        preset.pluginId = static_cast<int32_t>(identity::kVst2UniqueId);
        preset.count = kControlCount;
        preset.name = "routes";
        preset.chunk = chunk;
        return render::presetfile::writePreset(preset);
    }
    instance::AmpInstance amp;
};

// gravelo-amp: a preset file or last.fxp read into control values, which
// the program sets (on the audio thread for a MIDI program change).
class AmpProgramRoute final : public InstanceRoute {
  public:
    bool load(const std::vector<uint8_t>& chunk) override {
        amp.setControls(standalone::parseStateFile(fxp(chunk), "routes.fxp", amp).controls);
        return true;
    }
};

// The renderer's loading of a .fxp into an instance (the LV2 and VST 3
// presets are written from it).
class RendererRoute final : public InstanceRoute {
  public:
    bool load(const std::vector<uint8_t>& chunk) override {
        const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                           ("gravelo-routes-" + std::to_string(getpid()) + ".fxp");
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(fxp(chunk).data()),
                   static_cast<std::streamsize>(fxp(chunk).size()));
        render::presetfile::loadFxp(file, amp);
        std::filesystem::remove(file);
        return true;
    }
};

struct RouteMaker {
    const char* name;
    std::function<std::unique_ptr<Route>()> make;
};

template <class R> RouteMaker routeOf(const char* name) {
    return {name, [] { return std::make_unique<R>(); }};
}

const std::vector<RouteMaker>& routes() {
    static const std::vector<RouteMaker> all = {
        routeOf<Vst2Route>("VST 2.x"),
        routeOf<ClapRoute>("CLAP"),
        routeOf<Vst3Route>("VST 3"),
        routeOf<Lv2Route>("LV2"),
        routeOf<AmpProgramRoute>("gravelo-amp"),
        routeOf<RendererRoute>("renderer"),
    };
    return all;
}

// Plucks of a low note with a little of its octave: exact floats.
std::vector<float> bassInput() {
    std::vector<float> samples(4096);
    for (size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i % 2048) / kRate;
        samples[i] =
            static_cast<float>(std::exp(-6.0 * t) * (0.5 * std::sin(2 * M_PI * 55.0 * t) +
                                                     0.2 * std::sin(2 * M_PI * 110.0 * t)));
    }
    return samples;
}

std::vector<uint8_t> withFloat(std::vector<uint8_t> chunk, int index, float value) {
    std::memcpy(chunk.data() + sizeof(float) * static_cast<size_t>(control(index).slider), &value,
                sizeof value);
    return chunk;
}

constexpr int kPresence = 2, kBass = 4, kMiddle = 5, kTreble = 6, kDepth = 7;

} // namespace

// A saved float the nearest to a step value loads as the step value the
// host-value rule gives; any other loads as it was saved. Every route gives
// the same values, the same sound and the same chunk back.
TEST(StateRoutes, EachRouteLoadsASavedFloatAsTheHostValueRuleGivesIt) {
    std::vector<uint8_t> chunk = ClapRoute().save();
    chunk = withFloat(chunk, kPresence, 3.14f);
    chunk = withFloat(chunk, kBass, -2.4f);
    const instance::AmpInstance rule;
    const double bass = rule.hostValue(kBass, -2.4);
    ASSERT_EQ(static_cast<float>(bass), -2.4f);
    const std::vector<float> input = bassInput();
    std::vector<float> first;
    for (const RouteMaker& maker : routes()) {
        SCOPED_TRACE(maker.name);
        const std::unique_ptr<Route> route = maker.make();
        ASSERT_TRUE(route->load(chunk));
        if (const auto presence = route->value(kPresence)) {
            EXPECT_EQ(*presence, static_cast<double>(3.14f));
            EXPECT_EQ(*route->value(kBass), bass);
        }
        const std::vector<float> heard = route->render(input);
        if (first.empty()) first = heard;
        EXPECT_EQ(heard, first); // bit for bit
        EXPECT_EQ(route->save(), chunk);
    }
}

// Values set through a format's parameters, saved and loaded into a new
// instance of the format: the same values and the same sound, bit for bit.
TEST(StateRoutes, SavedAndLoadedEachRouteSoundsAsTheInstanceItWasSavedFrom) {
    const std::vector<float> input = bassInput();
    for (const RouteMaker& maker : routes()) {
        SCOPED_TRACE(maker.name);
        const std::unique_ptr<Route> original = maker.make();
        for (int index : {kBass, kMiddle, kTreble})
            original->set(index, -2.4);
        original->set(kDepth, 3.1);
        const std::vector<float> heard = original->render(input);
        const std::vector<uint8_t> saved = original->save();
        const std::unique_ptr<Route> loaded = maker.make();
        ASSERT_TRUE(loaded->load(saved));
        for (int index = 0; index < kControlCount; ++index)
            EXPECT_EQ(loaded->value(index), original->value(index)) << control(index).name;
        EXPECT_EQ(loaded->render(input), heard); // bit for bit
        EXPECT_EQ(loaded->save(), saved);
    }
}

} // namespace gravelo::test::state
