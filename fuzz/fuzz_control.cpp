// Control values from hosts, whatever their bits, through every format's way
// in: CLAP parameter events (doubles), LV2 control ports (floats), the
// format-neutral instance itself and VST 2.x setParameter (normalised
// floats). The newer formats must hold the same controls after the same
// values, each finite, inside its range and on its step; VST 2.x must keep
// every slider finite and saveable; and the audio stays finite.
#include "effect/Controls.h"
#include "instance/AmpInstance.h"
#include "support/FormatRoutes.h"
#include "support/FuzzHost.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    gravelo::fuzz::ByteSource source(data, size);
    gravelo::fuzz::ClapRoute clap;
    gravelo::fuzz::Lv2Route lv2;
    gravelo::instance::AmpInstance direct;
    gravelo::fuzz::Instance vst;

    for (int record = 0; record < 64 && source.remaining() >= 9; ++record) {
        const uint8_t which = source.byte();
        const uint32_t index = which % gravelo::kControlCount;
        // LV2 ports carry floats: every route gets the same float's value.
        const float value = static_cast<float>(readDouble(source));
        clap.setControl(index, value);
        lv2.setControl(index, value);
        direct.setControl(static_cast<int>(index), value);
        vst.setParameter(static_cast<VstInt32>(index), value);
    }

    const std::vector<uint8_t> held = clap.save();
    if (lv2.save() != held) std::abort();
    const auto directBytes = direct.saveState();
    if (std::vector<uint8_t>(directBytes.begin(), directBytes.end()) != held) std::abort();
    const std::vector<float> values = gravelo::fuzz::chunkFloats(held);
    for (const gravelo::ControlDefinition& c : gravelo::kControls) {
        const double v = values[static_cast<size_t>(c.slider)];
        if (!(v >= c.minimum && v <= c.maximum) || !onStep(v, c.step)) std::abort();
    }
    for (float v : gravelo::fuzz::chunkFloats(vst.getChunk()))
        if (!std::isfinite(v)) std::abort();
    vst.processAndCheck(32, 0.5f);
    return 0;
}
