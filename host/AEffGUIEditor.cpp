#include "AEffGUIEditor.h"

#include "host/AudioEffectX.h"
#include "toolkit/CFrame.h"
#include "toolkit/ContentScale.h"

namespace {

VstInt32 knobMode = 0; // shared by every editor of the process

} // namespace

AEffGUIEditor::AEffGUIEditor(AudioEffect* owner, VeSTEditorClient* viewClient, int32_t viewWidth,
                             int32_t viewHeight)
    : AEffEditor(owner), FrameEditor(viewClient, viewWidth, viewHeight) {
    if (owner != nullptr) owner->setEditor(this);
}

// The host's rectangle is the window's, at the scale in force.
bool AEffGUIEditor::getRect(ERect** out) {
    rect = ERect{0, 0, static_cast<int16_t>(getWindowHeight()),
                 static_cast<int16_t>(getWindowWidth())};
    if (out != nullptr) *out = &rect;
    return true;
}

void AEffGUIEditor::idle() {
    FrameEditor::idle();
}

bool AEffGUIEditor::onKeyDown(KeyCode& key) {
    return frame != nullptr && frame->onKeyDown(key) > 0;
}

bool AEffGUIEditor::onKeyUp(KeyCode& key) {
    return frame != nullptr && frame->onKeyUp(key) > 0;
}

bool AEffGUIEditor::onWheel(float distance) {
    if (frame == nullptr) return false;
    VSTGUI::ViewPoint where;
    frame->getCurrentMouseLocation(where);
    return frame->onWheel(where, distance, frame->getCurrentMouseButtons());
}

bool AEffGUIEditor::setKnobMode(VstInt32 mode) {
    knobMode = mode;
    return true;
}

bool AEffGUIEditor::setContentScale(float scale) {
    if (!(scale > 0.0f)) return false;
    setHostScale(scale);
    return true;
}

int32_t AEffGUIEditor::getKnobMode() const {
    return knobMode;
}

void AEffGUIEditor::draw(ERect* area) {
    if (frame == nullptr) return;
    VSTGUI::ViewRect update = frame->getViewSize();
    if (area != nullptr) {
        // The host's rectangle is in the window's physical pixels.
        update = VSTGUI::ViewRect(area->left, area->top, area->right, area->bottom);
        update = VSTGUI::physicalToPanel(update.normalise(), frame->getContentScale());
    }
    // No context passed: the frame draws into its back buffer and shows it.
    frame->drawRect(nullptr, update);
}

void AEffGUIEditor::hostResize(int32_t windowWidth, int32_t windowHeight) {
    if (effect != nullptr)
        static_cast<AudioEffectX*>(effect)->sizeWindow(windowWidth, windowHeight);
}

void AEffGUIEditor::hostIdle() {
    if (effect != nullptr) static_cast<AudioEffectX*>(effect)->masterIdle();
}

bool AEffGUIEditor::beginEdit(int32_t index) {
    return effect != nullptr && static_cast<AudioEffectX*>(effect)->beginEdit(index);
}

bool AEffGUIEditor::endEdit(int32_t index) {
    return effect != nullptr && static_cast<AudioEffectX*>(effect)->endEdit(index);
}
