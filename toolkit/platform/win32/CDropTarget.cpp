#include "CDropTarget.h"

#include "WinDragContainer.h"

namespace VSTGUI::platform {
namespace {

// The drag under way in this process, from enter to leave or drop.
WinDragContainer* currentDrag = nullptr;

void endDrag() {
    if (currentDrag != nullptr) currentDrag->forget();
    currentDrag = nullptr;
}

} // namespace

DWORD preferredEffect(DWORD offered) {
    if (offered & DROPEFFECT_COPY) return DROPEFFECT_COPY;
    if (offered & DROPEFFECT_MOVE) return DROPEFFECT_MOVE;
    if (offered & DROPEFFECT_LINK) return DROPEFFECT_LINK;
    return offered;
}

CDropTarget::CDropTarget(WindowListener& target) : frame(target) {}

HRESULT CDropTarget::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CDropTarget::AddRef() {
    return ULONG(++references);
}

ULONG CDropTarget::Release() {
    const LONG left = --references;
    if (left <= 0) delete this;
    return ULONG(left < 0 ? 0 : left);
}

HRESULT CDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    if (data == nullptr) {
        if (effect != nullptr) *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    endDrag(); // a drag that never left
    currentDrag = new WinDragContainer(data);
    frame.windowDragEnter(currentDrag);
    if (effect != nullptr) *effect = preferredEffect(*effect);
    return S_OK;
}

HRESULT CDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    if (currentDrag == nullptr) return S_OK;
    frame.windowDragMove(currentDrag);
    if (effect != nullptr) *effect = preferredEffect(*effect);
    return S_OK;
}

HRESULT CDropTarget::DragLeave() {
    if (currentDrag != nullptr) frame.windowDragLeave(currentDrag);
    endDrag();
    return S_OK;
}

// A drop no view takes reports no effect, so the source never deletes
// what it offered to move.
HRESULT CDropTarget::Drop(IDataObject*, DWORD, POINTL, DWORD* effect) {
    if (currentDrag == nullptr) {
        if (effect != nullptr) *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    const bool taken = frame.windowDrop(currentDrag);
    endDrag();
    if (effect != nullptr) *effect = taken ? preferredEffect(*effect) : DROPEFFECT_NONE;
    return S_OK;
}

} // namespace VSTGUI::platform
