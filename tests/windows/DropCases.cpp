// Drops on the editor window through the drop target the window registered,
// called the way the system's drag loop calls it.
#include "Check.h"
#include "HostWindow.h"
#include "PluginLibrary.h"
#include "TestDataObject.h"

#include <ole2.h>

#include <memory>
#include <vector>

namespace {

std::vector<uint8_t> chunkOf(AEffect* e) {
    void* data = nullptr;
    const VstIntPtr size = e->dispatcher(e, effGetChunk, 0, 0, &data, 0.0f);
    const auto* bytes = static_cast<const uint8_t*>(data);
    return size > 0 && bytes != nullptr ? std::vector<uint8_t>(bytes, bytes + size)
                                        : std::vector<uint8_t>();
}

// The target a drag over the window reaches: the system keeps it with the
// window under this property.
IDropTarget* registeredTarget(HWND window) {
    return static_cast<IDropTarget*>(GetPropW(window, L"OleDropTargetInterface"));
}

void dropOn(const PluginLibrary& library, TestDataObject* data, const char* what) {
    HostWindow host;
    AEffect* e = library.create();
    check(e != nullptr, "plug-in");
    e->dispatcher(e, effOpen, 0, 0, nullptr, 0.0f);
    e->dispatcher(e, effEditOpen, 0, 0, host.handle(), 0.0f);
    host.pump(e, 150);
    const std::vector<uint8_t> before = chunkOf(e);
    IDropTarget* target = registeredTarget(host.editorWindow());
    std::string failure;
    if (target == nullptr) failure = "the editor window registered no drop target";
    POINTL point{300, 140};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    if (failure.empty() &&
        (target->DragEnter(data, MK_LBUTTON, point, &effect) != S_OK || effect != DROPEFFECT_COPY))
        failure = std::string("drag enter with ") + what + " did not announce copy";
    effect = DROPEFFECT_MOVE | DROPEFFECT_LINK;
    if (failure.empty() &&
        (target->DragOver(MK_LBUTTON, point, &effect) != S_OK || effect != DROPEFFECT_MOVE))
        failure = "drag over offering move and link did not settle on move";
    const int requestsBeforeDrop = data->dataRequests();
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    if (failure.empty() &&
        (target->Drop(data, 0, point, &effect) != S_OK || effect != DROPEFFECT_NONE))
        failure = "the view's refusal did not come back as no effect";
    if (failure.empty() && requestsBeforeDrop == 0)
        failure = "the drag container never read the data";
    if (failure.empty() && data->referenceCount() != 1)
        failure = "the drop kept a reference to the data";
    if (failure.empty() && chunkOf(e) != before) failure = "the drop changed the effect";
    e->dispatcher(e, effEditClose, 0, 0, nullptr, 0.0f);
    host.pump(e, 30);
    PluginLibrary::destroy(e);
    data->Release();
    check(failure.empty(), failure);
}

} // namespace

void addDropCases(std::vector<Case>& cases, const HostOptions& options) {
    auto library = std::make_shared<PluginLibrary>(options.dllPath);
    cases.push_back({"drop of text on the editor: copy announced, drop refused", [library] {
                         dropOn(*library, TestDataObject::withText(L"Gravelo \u00fcber alles"),
                                "text");
                     }});
    cases.push_back(
        {"drop of two files on the editor: copy announced, drop refused", [library] {
             dropOn(*library,
                    TestDataObject::withFiles({L"C:\\riffs\\one.wav", L"C:\\riffs\\two.wav"}),
                    "two files");
         }});
}
