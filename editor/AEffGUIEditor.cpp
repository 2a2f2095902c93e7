#include "AEffGUIEditor.h"

#include "host/AudioEffectX.h"
#include "toolkit/CFrame.h"

namespace {

VstInt32 knobMode = 0; // shared by every editor of the process

} // namespace

AEffGUIEditor::AEffGUIEditor(AudioEffect* owner, VeSTEditorClient* viewClient, int32_t viewWidth,
                             int32_t viewHeight)
    : AEffEditor(owner), FrameEditor(viewClient, viewWidth, viewHeight) {
    if (owner != nullptr) owner->setEditor(this);
}

bool AEffGUIEditor::getRect(ERect** out) {
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

int32_t AEffGUIEditor::getKnobMode() const {
    return knobMode;
}

void AEffGUIEditor::draw(ERect* area) {
    if (frame == nullptr) return;
    VSTGUI::ViewRect update = frame->getViewSize();
    if (area != nullptr) {
        update = VSTGUI::ViewRect(area->left, area->top, area->right, area->bottom);
        update.normalise();
    }
    // No context passed: the frame draws into its back buffer and shows it.
    frame->drawRect(nullptr, update);
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
