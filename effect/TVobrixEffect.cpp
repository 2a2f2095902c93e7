#include "TVobrixEffect.h"

#include "effect/Controls.h"
#include "effect/Identity.h"
#include "effect/panel/PanelLayout.h"
#include "generated/ImageFiles.h"
#include "runtime/StateChunk.h"

#include <cmath>
#include <iterator>

namespace {

// Sliders 1 to 9: a host's changes of every one of them are noted.
static_assert(TVobrixEffect::kSliderCount < CVobrixSliders::kNotedSliders);

constexpr struct {
    int32_t number;
    const char* text;
} kTexts[] = {
    {10000, "build 170206"}, {10002, "Arial"}, {10003, "%.0f"},
    {10004, "%.1f"},         {10005, "%.2f"},  {10006, "Arial"},
};

constexpr int kSavedSliderCount = 64;

} // namespace

TVobrixEffect::TVobrixEffect() {
    effectName = gravelo::identity::kEffectName;
    productString = gravelo::identity::kProductName;
    programName = gravelo::identity::kProductName;
    vendorString = gravelo::identity::kVendor;
    vendorVersion = gravelo::identity::kVendorVersion;
    uniqueId = kUniqueId;
    channelCount = 2;
    editorWidth = gravelo::panel_layout::kWidth;
    editorHeight = gravelo::panel_layout::kHeight;
    redrawRate = gravelo::panel_layout::kRedrawRate;
    for (const gravelo::ControlDefinition& s : gravelo::kControls)
        addSlider(s.slider, nullptr, s.defaultValue, s.minimum, s.maximum, s.step, "", "", "",
                  s.name);
}

void TVobrixEffect::doOpen() {
    TVobrix::doOpen();
    amp.open();
    panel.open();
    // The knobs start from the sliders, so a draw before the first resume
    // cannot write zeros into them.
    panel.takeSliderValues(*this);
    const auto& images = gravelo::generated::kImageFiles;
    for (int32_t index = 0; index < static_cast<int32_t>(std::size(images)); ++index)
        fileNameTable[index] = images[index];
    for (const auto& entry : kTexts)
        setString(entry.number, entry.text);
}

void TVobrixEffect::doSerialize() {
    FileStream& stream = stateStream();
    for (int number = 1; number <= kSavedSliderCount; ++number) {
        SharedValue& slot = sliderValues[static_cast<size_t>(number)];
        double value = slot;
        const int32_t before = stream.position;
        streamValue(stream, value);
        // A non-finite value in a chunk never becomes a slider value; a
        // finite one becomes what the state rule takes it for.
        if (stream.mode == FileStream::Reading && stream.position != before &&
            std::isfinite(value)) {
            value = gravelo::runtime::loadedValue(*this, number, value);
            slot = value;
            hostChanges.note(static_cast<size_t>(number), value);
        }
    }
}
