#include "PanelPicture.h"

#include "effect/TVobrixEffect.h"
#include "effect/panel/PanelLayout.h"
#include "host/CVeST.h"
#include "toolkit/COffscreenContext.h"
#include "toolkit/ContentScale.h"
#include "vsthost/InProcess.h"

#include <stdexcept>

PanelPicture::PanelPicture(double sampleRate, double scale) {
    host.recording = false;
    if (!host.create(gravelo::vsthost::createAmplifier))
        throw std::runtime_error("the plug-in refused to start");
    owner = &gravelo::vsthost::shellOf(host.effect());
    runtime = &gravelo::vsthost::amplifierOf(host.effect());
    host.start(sampleRate);
    offscreen = new VSTGUI::COffscreenContext(nullptr, gravelo::panel_layout::kWidth,
                                              gravelo::panel_layout::kHeight, VSTGUI::kBlackColour,
                                              VSTGUI::clampContentScale(scale));
}

PanelPicture::~PanelPicture() {
    offscreen->forget();
}

void PanelPicture::drawFrame() {
    owner->onDraw(offscreen, gravelo::panel_layout::kWidth, gravelo::panel_layout::kHeight);
}

void PanelPicture::mouseDown(double x, double y, int32_t buttons) {
    owner->onMouseDown(x, y, buttons);
}
void PanelPicture::mouseMoved(double x, double y, int32_t buttons) {
    owner->onMouseMoved(x, y, buttons);
}
void PanelPicture::mouseUp(double x, double y, int32_t buttons) {
    owner->onMouseUp(x, y, buttons);
}

void PanelPicture::process(const std::vector<float>& input) {
    constexpr size_t kBlock = 256;
    std::vector<float> left(kBlock), right(kBlock), outLeft(kBlock), outRight(kBlock);
    for (size_t start = 0; start < input.size(); start += kBlock) {
        const size_t frames = std::min(kBlock, input.size() - start);
        std::copy_n(input.begin() + static_cast<std::ptrdiff_t>(start), frames, left.begin());
        std::copy_n(left.begin(), frames, right.begin());
        float* inputs[] = {left.data(), right.data()};
        float* outputs[] = {outLeft.data(), outRight.data()};
        host.process(inputs, outputs, static_cast<VstInt32>(frames));
    }
}

bool PanelPicture::writePng(const std::string& path) const {
    return offscreen->getBitmap()->writePng(path.c_str());
}
