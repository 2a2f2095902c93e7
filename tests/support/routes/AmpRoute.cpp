// gravelo-amp as it runs: controls set on the instance (panel, strip and
// --set all end there), its state written as last.fxp is and read back as
// a preset or last.fxp is read, the period in the pieces its JACK client
// cuts. The renderer's .fxp loading (from which the LV2 and VST 3 presets
// are written) reads the same files into the same instance.
#include "effect/Identity.h"
#include "instance/AmpInstance.h"
#include "programs/PresetFile.h"
#include "programs/PresetLoad.h"
#include "standalone/JackAmp.h"
#include "standalone/StateFile.h"
#include "support/routes/Route.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace gravelo::test::routes {

namespace {

class AmpRoute : public Route {
  public:
    void activate(double rate, uint32_t) override {
        if (!amp.activate(rate, standalone::JackAmp::kPieceFrames))
            throw std::runtime_error("gravelo-amp does not start");
    }
    void deactivate() override { amp.deactivate(); }
    void set(int index, double value, uint32_t) override { amp.setControl(index, value); }
    void process(const float* input, float* left, uint32_t frames) override {
        right.resize(frames);
        for (uint32_t from = 0; from < frames;) {
            const uint32_t n = std::min(frames - from, standalone::JackAmp::kPieceFrames);
            const float* inputs[2] = {input + from, input + from};
            float* outputs[2] = {left + from, right.data() + from};
            amp.process(inputs, outputs, n);
            from += n;
        }
    }
    std::vector<uint8_t> save() override {
        const std::filesystem::path file = scratchFile();
        standalone::writeStateFile(file, amp, "route");
        std::ifstream in(file, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        std::filesystem::remove(file);
        return render::presetfile::parsePreset(bytes).preset.chunk;
    }
    bool load(const std::vector<uint8_t>& state) override {
        try {
            amp.setControls(standalone::parseStateFile(fxp(state), "route", amp).controls);
            return true;
        } catch (const standalone::StateFileError&) {
            return false;
        }
    }
    std::optional<double> value(int index) override { return amp.control(index); }
    bool savesWholeChunk() const override { return false; }

  protected:
    static std::filesystem::path scratchFile() {
        static std::atomic<int> count{0};
        return std::filesystem::temp_directory_path() /
               ("gravelo-route-" + std::to_string(getpid()) + "-" + std::to_string(++count) +
                ".fxp");
    }

    static std::vector<uint8_t> fxp(const std::vector<uint8_t>& state) {
        render::presetfile::Preset preset;
        preset.pluginId = static_cast<int32_t>(identity::kVst2UniqueId);
        preset.count = kControlCount;
        preset.name = "route";
        preset.chunk = state;
        return render::presetfile::writePreset(preset);
    }

    instance::AmpInstance amp;
    std::vector<float> right;
};

class RendererRoute final : public AmpRoute {
  public:
    bool savesWholeChunk() const override { return true; }
    bool load(const std::vector<uint8_t>& state) override {
        const std::filesystem::path file = scratchFile();
        const std::vector<uint8_t> bytes = fxp(state);
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        bool loaded = true;
        try {
            render::presetfile::loadFxp(file, amp);
        } catch (const std::runtime_error&) {
            loaded = false;
        }
        std::filesystem::remove(file);
        return loaded;
    }
};

} // namespace

std::unique_ptr<Route> makeAmpRoute() {
    return std::make_unique<AmpRoute>();
}

std::unique_ptr<Route> makeRendererRoute() {
    return std::make_unique<RendererRoute>();
}

} // namespace gravelo::test::routes
