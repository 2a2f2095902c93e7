#include "CVeSTEditor.h"

#include "host/CVeST.h"

CVeSTEditor::CVeSTEditor(CVeST* owner, VstInt32 w, VstInt32 h)
    : AEffGUIEditor(owner), shell(owner), width(w), height(h) {
    rect = ERect{0, 0, static_cast<int16_t>(h), static_cast<int16_t>(w)};
}

CVeSTEditor::~CVeSTEditor() = default;

bool CVeSTEditor::open(void* /*parent*/) { return false; }

void CVeSTEditor::close() {}

void CVeSTEditor::idle() {}

bool CVeSTEditor::repaintView() { return false; }
