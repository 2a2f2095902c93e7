#include "AEffGUIEditor.h"

#include "host/AudioEffectX.h"

namespace {
VstInt32 knobMode = 0; // shared by every editor of the process
}

AEffGUIEditor::AEffGUIEditor(AudioEffect* owner) : AEffEditor(owner) {
    if (owner != nullptr) owner->setEditor(this);
}

bool AEffGUIEditor::getRect(ERect** out) {
    if (out != nullptr) *out = &rect;
    return true;
}

bool AEffGUIEditor::setKnobMode(VstInt32 mode) {
    knobMode = mode;
    return true;
}

VstInt32 AEffGUIEditor::getKnobMode() { return knobMode; }

bool AEffGUIEditor::beginEdit(VstInt32 index) {
    return effect != nullptr && static_cast<AudioEffectX*>(effect)->beginEdit(index);
}

bool AEffGUIEditor::endEdit(VstInt32 index) {
    return effect != nullptr && static_cast<AudioEffectX*>(effect)->endEdit(index);
}
