// Its own program, so the tables are still unbuilt when the test starts.
#include "runtime/Spectral.h"
#include "runtime/TVobrix.h"

#include <gtest/gtest.h>

#include <latch>
#include <memory>
#include <thread>

namespace {

TEST(SpectralTablesOnce, TwoRuntimeObjectsConstructedAtOnceBuildOnce) {
    ASSERT_EQ(gravelo::runtime::spectral::tableBuildCount(), 0);
    std::latch ready(2);
    std::unique_ptr<TVobrix> made[2];
    auto construct = [&](int which) {
        ready.arrive_and_wait();
        made[which] = std::make_unique<TVobrix>();
    };
    std::thread a(construct, 0), b(construct, 1);
    a.join();
    b.join();
    ASSERT_TRUE(made[0] && made[1]);
    EXPECT_EQ(gravelo::runtime::spectral::tableBuildCount(), 1);
    TVobrix third;
    EXPECT_EQ(gravelo::runtime::spectral::tableBuildCount(), 1);
}

TEST(SpectralTablesOnce, TransformsOnTwoThreadsShareTheTables) {
    // Both threads make the size-256 cosine tables' first use at once.
    CVobrixMemory memories[2];
    auto transform = [&](int which) {
        memories[which].mem(3) = 1.0;
        gravelo::runtime::spectral::cosineTransform(memories[which], 0, 256,
                                                    gravelo::runtime::spectral::kCosineForward);
        gravelo::runtime::spectral::cosineTransform(memories[which], 0, 256,
                                                    gravelo::runtime::spectral::kCosineInverse);
        gravelo::runtime::spectral::fourierTransform(memories[which], 512, 1024,
                                                     gravelo::runtime::spectral::kFourierForward);
    };
    std::thread a(transform, 0), b(transform, 1);
    a.join();
    b.join();
    // A lone impulse at 3 comes back through the forward and inverse
    // transforms with its time alias: 1 at 3 and -1 at N/2 - 1 - 3 = 124.
    EXPECT_NEAR(memories[0].mem(3), 1.0, 1e-12);
    EXPECT_NEAR(memories[1].mem(3), 1.0, 1e-12);
    EXPECT_NEAR(memories[0].mem(124), -1.0, 1e-12);
    EXPECT_NEAR(memories[1].mem(124), -1.0, 1e-12);
}

} // namespace
