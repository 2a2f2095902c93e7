// The frame window's OLE drop target: the system's drag notifications
// become the views' drag operations, with a WinDragContainer listing what
// is dragged. User-interface thread only, like the window.
#pragma once

#include "toolkit/platform/WindowBackend.h"

// windows.h comes first: the headers below rely on its declarations.
#include <windows.h>

#include <ole2.h>

namespace VSTGUI::platform {

class CDropTarget final : public IDropTarget {
  public:
    // Count 0: the first AddRef (the registration's) holds it.
    explicit CDropTarget(WindowListener& frame);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                   DWORD* effect) override;

  private:
    ~CDropTarget() = default;

    LONG references = 0;
    WindowListener& frame;
};

// Narrows the effects a source offers to the one a drop here would have:
// copy before move before link.
DWORD preferredEffect(DWORD offered);

} // namespace VSTGUI::platform
