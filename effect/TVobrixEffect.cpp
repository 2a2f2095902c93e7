#include "TVobrixEffect.h"

#include "effect/panel/PanelLayout.h"

#include <cmath>
#include <iterator>

namespace {

struct SliderDefinition {
    int32_t number;
    const char* name;
    double defaultValue, minimum, maximum, step;
};

constexpr SliderDefinition kSliders[TVobrixEffect::kSliderCount] = {
    {1, "Quorvel", 0.0, 0.0, 40.0, 1.0},  {2, "Output", 0.0, -20.0, 20.0, 0.5},
    {3, "Presence", 0.0, 0.0, 10.0, 0.1}, {4, "Dirt", 0.0, 0.0, 10.0, 0.1},
    {5, "Bass", 0.0, -6.0, 6.0, 0.1},     {6, "Middle", 0.0, -6.0, 6.0, 0.1},
    {7, "Treble", 0.0, -6.0, 6.0, 0.1},   {8, "Depth", 8.0, 0.1, 10.0, 0.1},
    {9, "LFcut", 0.0, 0.0, 10.0, 0.1},
};

constexpr const char* kImageFiles[] = {
    "gravelo_gfx\\knob.png", "gravelo_gfx\\knob2.png", "gravelo_gfx\\led.png",
    "gravelo_gfx\\bg.png",   "gravelo_gfx\\knob3.png",
};

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
    effectName = "Gravelo I";
    productString = "Gravelo";
    programName = "Gravelo";
    vendorString = "Morvane";
    vendorVersion = 1000;
    uniqueId = kUniqueId;
    channelCount = 2;
    editorWidth = panel_layout::kWidth;
    editorHeight = panel_layout::kHeight;
    redrawRate = panel_layout::kRedrawRate;
    for (const SliderDefinition& s : kSliders)
        addSlider(s.number, nullptr, s.defaultValue, s.minimum, s.maximum, s.step, "", "", "",
                  s.name);
}

void TVobrixEffect::doOpen() {
    TVobrix::doOpen();
    amp.open();
    panel.open();
    // The knobs start from the sliders, so a draw before the first resume
    // cannot write zeros into them.
    panel.takeSliderValues(*this);
    for (int32_t index = 0; index < static_cast<int32_t>(std::size(kImageFiles)); ++index)
        fileNameTable[index] = kImageFiles[index];
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
        // A non-finite value in a chunk never becomes a slider value.
        if (stream.mode == FileStream::Reading && stream.position != before && std::isfinite(value))
            slot = value;
    }
}

void TVobrixEffect::doSlider() {
    panel.takeSliderValues(*this);
    controlUpdate();
}
