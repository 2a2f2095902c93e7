// A data object as a drag source offers it: one Unicode text or a file
// drop list, in global memory. Counts the requests for its data.
#pragma once

// windows.h comes first: the headers below rely on its declarations.
#include <windows.h>

#include <objidl.h>

#include <string>
#include <vector>

class TestDataObject final : public IDataObject {
  public:
    static TestDataObject* withText(const std::wstring& text);
    static TestDataObject* withFiles(const std::vector<std::wstring>& paths);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(++references); }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }

    int dataRequests() const { return requests; }
    LONG referenceCount() const { return references; }

  private:
    TestDataObject(CLIPFORMAT clipFormat, std::vector<uint8_t> data)
        : format(clipFormat), bytes(std::move(data)) {}
    ~TestDataObject() = default;

    CLIPFORMAT format;
    std::vector<uint8_t> bytes; // the medium's content
    LONG references = 1;
    int requests = 0;
};
