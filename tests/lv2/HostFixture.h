// Shared by the lilv host tests: one world for the test program, a bass
// signal, and the same audio through the VST 2.x plug-in for reference.
#pragma once

#include "LilvHost.h"
#include "RenderTestSupport.h"

#include <gtest/gtest.h>

namespace gravelo::test::lv2 {

// Control index and value in the panel's units.
using Settings = std::vector<std::pair<uint32_t, float>>;

inline const Settings kWorstCase = {{0, 12}, {1, 0}, {2, 3}, {3, 6}, {4, 4},
                                    {5, 3},  {6, 5}, {7, 8}, {8, 2}};

class HostTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { world = new World(); }
    static void TearDownTestSuite() {
        delete world;
        world = nullptr;
    }

    static std::vector<double> signal(double seconds = 0.5) {
        return render::testSignal(kRate, 1, seconds).samples;
    }
    static void apply(Instance& instance, const Settings& settings) {
        for (const auto& [control, value] : settings)
            instance.control(control) = value;
    }

    // The VST 2.x plug-in with a chunk loaded first and then the settings
    // as host parameters (0..1), rendering in blocks of `block`.
    static Stereo vstRender(const std::vector<double>& input, uint32_t block,
                            const std::vector<uint8_t>& chunk, const Settings& settings = {}) {
        render::Audio audio;
        audio.rate = kRate;
        audio.samples = input;
        render::Reference how;
        how.block = static_cast<int>(block);
        how.chunk = chunk;
        for (const auto& [control, value] : settings)
            how.parameters.push_back(
                {static_cast<int>(control), hostValue(static_cast<int>(control), value)});
        const auto planar = render::renderReference(audio, how);
        return {planar.at(0), planar.at(1)};
    }

    static float hostValue(int control, float value);

    static constexpr int kRate = 48000;
    static inline World* world = nullptr;
};

// Sample for sample, with the first difference when there is one.
::testing::AssertionResult sameAudio(const Stereo& a, const Stereo& b);

} // namespace gravelo::test::lv2
