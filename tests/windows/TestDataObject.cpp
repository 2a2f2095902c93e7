#include "TestDataObject.h"

#include <shlobj.h>

#include <cstring>

TestDataObject* TestDataObject::withText(const std::wstring& text) {
    std::vector<uint8_t> bytes((text.size() + 1) * sizeof(wchar_t), 0);
    std::memcpy(bytes.data(), text.c_str(), text.size() * sizeof(wchar_t));
    return new TestDataObject(CF_UNICODETEXT, std::move(bytes));
}

// DROPFILES, then the wide paths each with its terminator, then one more.
TestDataObject* TestDataObject::withFiles(const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& path : paths)
        list += path + L'\0';
    list += L'\0';
    std::vector<uint8_t> bytes(sizeof(DROPFILES) + list.size() * sizeof(wchar_t), 0);
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    std::memcpy(bytes.data(), &header, sizeof header);
    std::memcpy(bytes.data() + sizeof header, list.data(), list.size() * sizeof(wchar_t));
    return new TestDataObject(CF_HDROP, std::move(bytes));
}

HRESULT TestDataObject::QueryInterface(REFIID iid, void** object) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG TestDataObject::Release() {
    const LONG left = --references;
    if (left == 0) delete this;
    return ULONG(left);
}

HRESULT TestDataObject::QueryGetData(FORMATETC* wanted) {
    if (wanted == nullptr) return E_INVALIDARG;
    if (wanted->cfFormat != format) return DV_E_FORMATETC;
    return (wanted->tymed & TYMED_HGLOBAL) != 0 ? S_OK : DV_E_TYMED;
}

// Each request gets its own copy, which the caller releases.
HRESULT TestDataObject::GetData(FORMATETC* wanted, STGMEDIUM* medium) {
    ++requests;
    if (medium == nullptr) return E_INVALIDARG;
    if (const HRESULT status = QueryGetData(wanted); status != S_OK) return status;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory == nullptr) return E_OUTOFMEMORY;
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

HRESULT TestDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
    if (out != nullptr) out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}
