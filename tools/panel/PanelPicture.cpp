#include "PanelPicture.h"

#include "effect/TVobrixEffect.h"
#include "effect/panel/PanelLayout.h"
#include "host/CVeST.h"
#include "host/VeSTBridge.h"
#include "toolkit/COffscreenContext.h"

#include <stdexcept>

namespace {

VstIntPtr VSTCALLBACK quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

} // namespace

PanelPicture::PanelPicture(double sampleRate) {
    runtime = new TVobrixEffect();
    plugin = createPlugin(runtime, quietHost);
    if (plugin == nullptr) throw std::runtime_error("the plug-in refused to start");
    owner = static_cast<CVeST*>(plugin->object);
    plugin->dispatcher(plugin, effOpen, 0, 0, nullptr, 0.0f);
    plugin->dispatcher(plugin, effSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
    plugin->dispatcher(plugin, effMainsChanged, 0, 1, nullptr, 0.0f);
    offscreen = new VSTGUI::COffscreenContext(nullptr, panel_layout::kWidth, panel_layout::kHeight);
}

PanelPicture::~PanelPicture() {
    offscreen->forget();
    plugin->dispatcher(plugin, effClose, 0, 0, nullptr, 0.0f);
}

void PanelPicture::drawFrame() {
    owner->onDraw(offscreen, panel_layout::kWidth, panel_layout::kHeight);
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
        plugin->processReplacing(plugin, inputs, outputs, static_cast<VstInt32>(frames));
    }
}

bool PanelPicture::writePng(const std::string& path) const {
    return offscreen->getBitmap()->writePng(path.c_str());
}
