#include "WinDragContainer.h"

#include "ShortcutTarget.h"

#include <shellapi.h>

#include <cstring>

namespace VSTGUI::platform {
namespace {

constexpr UINT kMaxFileChars = 2048;

FORMATETC formatOf(CLIPFORMAT format) {
    return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The data in one format, released when it goes.
class Medium {
  public:
    Medium(IDataObject* data, CLIPFORMAT format) {
        FORMATETC wanted = formatOf(format);
        ok = data != nullptr && data->GetData(&wanted, &medium) == S_OK &&
             medium.tymed == TYMED_HGLOBAL;
        if (!ok && medium.tymed != TYMED_NULL) ReleaseStgMedium(&medium);
    }
    ~Medium() {
        if (ok) ReleaseStgMedium(&medium);
    }
    Medium(const Medium&) = delete;
    Medium& operator=(const Medium&) = delete;

    bool valid() const { return ok; }
    HGLOBAL memory() const { return medium.hGlobal; }

  private:
    STGMEDIUM medium{};
    bool ok = false;
};

std::string toUtf8(const std::wstring& text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string out(size_t(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), length, nullptr,
                            nullptr);
    return out;
}

} // namespace

WinDragContainer::WinDragContainer(IDataObject* object) : data(object) {
    if (data == nullptr) return;
    data->AddRef();
    if (hasText()) {
        count = 1;
        return;
    }
    Medium files(data, CF_HDROP);
    if (files.valid())
        count = int32_t(DragQueryFileW(static_cast<HDROP>(files.memory()), 0xFFFFFFFF, nullptr, 0));
}

WinDragContainer::~WinDragContainer() {
    delete[] item;
    if (data != nullptr) data->Release();
}

bool WinDragContainer::hasText() const {
    FORMATETC wanted = formatOf(CF_UNICODETEXT);
    return data != nullptr && data->QueryGetData(&wanted) == S_OK &&
           Medium(data, CF_UNICODETEXT).valid();
}

int32_t WinDragContainer::getType(int32_t) const {
    if (data == nullptr) return kError;
    return hasText() ? kText : kFile;
}

void* WinDragContainer::rewind() {
    index = 0;
    int32_t size = 0, type = 0;
    return next(size, type);
}

void* WinDragContainer::next(int32_t& size, int32_t& type) {
    if (data == nullptr) {
        type = kError;
        return nullptr;
    }
    delete[] item;
    item = nullptr;
    size = 0;
    type = kUnknown;
    if (hasText()) return nextText(size, type);
    return nextFile(size, type);
}

// The text is the one item: later calls answer nothing.
void* WinDragContainer::nextText(int32_t& size, int32_t& type) {
    if (index != 0) return nullptr;
    index = 1;
    Medium text(data, CF_UNICODETEXT);
    const auto* chars = static_cast<const wchar_t*>(GlobalLock(text.memory()));
    if (chars == nullptr) return nullptr;
    const size_t limit = GlobalSize(text.memory()) / sizeof(wchar_t);
    const std::wstring wide(chars, wcsnlen(chars, limit));
    GlobalUnlock(text.memory());
    if (wide.empty()) return nullptr;
    type = kUnicodeText;
    return keep(wide, size);
}

void* WinDragContainer::nextFile(int32_t& size, int32_t& type) {
    Medium files(data, CF_HDROP);
    if (!files.valid() || index >= count) return nullptr;
    wchar_t name[kMaxFileChars] = {};
    const UINT length =
        DragQueryFileW(static_cast<HDROP>(files.memory()), UINT(index++), name, kMaxFileChars);
    if (length == 0) return nullptr; // an unreadable name ends the listing
    std::wstring path(name, length);
    if (isShortcutPath(path)) path = resolveShortcut(path);
    type = kFile;
    return keep(path, size);
}

void* WinDragContainer::keep(const std::wstring& text, int32_t& size) {
    const std::string utf8 = toUtf8(text);
    item = new char[utf8.size() + 1];
    std::memcpy(item, utf8.c_str(), utf8.size() + 1);
    size = int32_t(utf8.size());
    return item;
}

} // namespace VSTGUI::platform
