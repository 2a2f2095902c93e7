#include "CVeSTEditor.h"

#include "CVeSTView.h"
#include "VeSTEditorClient.h"
#include "toolkit/CFrame.h"

using namespace VSTGUI;

CVeSTEditor::CVeSTEditor(AudioEffect* vstEffect, VeSTEditorClient* owner, int32_t w, int32_t h)
    : AEffGUIEditor(vstEffect), client(owner), width(w), height(h) {
    rect = ERect{0, 0, static_cast<int16_t>(h), static_cast<int16_t>(w)};
}

// A host that deletes the plug-in with the editor still open gets the
// window and its connection closed here rather than leaked.
CVeSTEditor::~CVeSTEditor() {
    close();
}

bool CVeSTEditor::open(void* parent) {
    if (frame != nullptr) close();
    const ViewRect area(0, 0, width, height);
    frame = new CFrame(area, parent, this);
    if (!frame->hasWindow()) {
        close();
        return false;
    }
    view = new CVeSTView(area, client);
    frame->addView(view); // the frame releases the view when it goes
    systemWindow = parent;
    return true;
}

void CVeSTEditor::close() {
    if (frame != nullptr) frame->forget();
    frame = nullptr;
    view = nullptr;
    systemWindow = nullptr;
}

void CVeSTEditor::idle() {
    if (view != nullptr && frame != nullptr && client != nullptr && client->onEditorIdle())
        repaintView();
    AEffGUIEditor::idle();
}

bool CVeSTEditor::repaintView() {
    if (view == nullptr) return false;
    view->invalidRect(view->getBoundsCopy());
    return true;
}
