#include "HostFixture.h"

#include "instance/AmpInstance.h"

namespace gravelo::test::lv2 {

float HostTest::hostValue(int control, float value) {
    static const instance::AmpInstance amp;
    const instance::ControlInfo& info = amp.controlInfo(control);
    return static_cast<float>((value - info.minimum) / (info.maximum - info.minimum));
}

::testing::AssertionResult sameAudio(const Stereo& a, const Stereo& b) {
    for (size_t c = 0; c < 2; ++c) {
        if (a[c].size() != b[c].size() || a[c].empty())
            return ::testing::AssertionFailure() << "channel " << c << ": " << a[c].size()
                                                 << " against " << b[c].size() << " frames";
        for (size_t i = 0; i < a[c].size(); ++i)
            if (a[c][i] != b[c][i])
                return ::testing::AssertionFailure()
                       << "first difference at frame " << i << " channel " << c << ": " << a[c][i]
                       << " against " << b[c][i];
    }
    return ::testing::AssertionSuccess();
}

} // namespace gravelo::test::lv2
