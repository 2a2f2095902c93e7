#include "CVeSTEditor.h"

CVeSTEditor::CVeSTEditor(AudioEffect* vstEffect, VeSTEditorClient* owner, int32_t w, int32_t h)
    : AEffGUIEditor(vstEffect, owner, w, h) {}

CVeSTEditor::~CVeSTEditor() {
    close();
}

bool CVeSTEditor::open(void* parent) {
    if (!openFrame(parent)) {
        systemWindow = nullptr;
        return false;
    }
    systemWindow = parent;
    return true;
}

void CVeSTEditor::close() {
    closeFrame();
    systemWindow = nullptr;
}
