// The JACK client's process callback under the real-time rules: nothing is
// allocated across 10,000 periods while controls change and Program Changes
// switch presets (counted as the LV2 test counts, with the global operator
// new replaced in this program). The amp runs in this process on a dummy
// server, fed and recorded by the test client, the server freewheeling.
#include "AmpRun.h"
#include "standalone/JackAmp.h"
#include "standalone/PresetList.h"
#include "support/AllocationCounter.h"

#include <gtest/gtest.h>

#include <thread>

namespace gravelo::test::standalone {
namespace {

constexpr size_t kPeriod = 64;
constexpr size_t kPeriods = 10000;
constexpr size_t kWarmUp = kRate;

TEST(AmpProcessCallback, AllocatesNothingAcrossTenThousandPeriodsOfChangesAndSwitches) {
    render::TempDir folder;
    support::DummyJackServer server("gravelo-amp-alloc-" + std::to_string(getpid()), kRate, kPeriod,
                                    folder.path / "jackd.log");
    ASSERT_TRUE(server.running());
    instance::AmpInstance amp;
    gravelo::standalone::ProgramTable programs;
    gravelo::standalone::PresetList presets;
    presets.gather(gravelo::standalone::builtInFactoryPresets(), folder.path / "none", amp,
                   [](const std::string&) {});
    for (size_t i = 0; i < presets.size(); ++i)
        programs.append(presets[i].controls);
    gravelo::standalone::InputPeak peak;
    gravelo::standalone::JackAmp jack("Gravelo", amp, programs, peak);
    jack.start();
    JackTestClient test("alloc");
    ASSERT_TRUE(test.ok());
    ASSERT_TRUE(test.connectTo("Gravelo"));
    for (size_t period = 0; period < kPeriods; period += 25)
        test.scheduleProgram(kWarmUp + period * kPeriod + period % kPeriod,
                             static_cast<uint8_t>(period / 25 % 5)); // 4: no such preset
    const size_t end = kWarmUp + kPeriods * kPeriod;

    int allocations = -1;
    size_t changes = 0;
    std::thread controls([&] {
        while (test.playedFrames() < kWarmUp)
            std::this_thread::yield();
        AllocationCounter counter;
        while (test.playedFrames() < end) {
            amp.setControl(1, static_cast<double>(changes % 40) - 20.0);
            amp.setControl(3, static_cast<double>(changes % 100) / 10.0);
            ++changes;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        allocations = counter.count();
    });
    const bool played =
        test.play(leadAndSignal(0.0, static_cast<double>(end + kRate) / kRate), true);
    controls.join();
    ASSERT_TRUE(played);
    std::cout << "allocations in " << kPeriods << " periods with " << changes
              << " control changes and " << jack.programChanges()
              << " program changes: " << allocations << "\n";
    EXPECT_EQ(allocations, 0);
    EXPECT_GE(jack.programChanges(), kPeriods / 25 * 4 / 5);
    EXPECT_GT(changes, 100u);
}

} // namespace
} // namespace gravelo::test::standalone
