#include "ResourceStream.h"

#include <cstring>

namespace VSTGUI::platform {

ResourceStream::ResourceStream(const void* bytes, uint32_t length)
    : data(static_cast<const uint8_t*>(bytes)), size(length) {}

HRESULT ResourceStream::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ISequentialStream) ||
        IsEqualIID(iid, IID_IStream)) {
        *object = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ResourceStream::AddRef() {
    return ULONG(++references);
}

ULONG ResourceStream::Release() {
    const LONG left = --references;
    if (left == 0) delete this;
    return ULONG(left);
}

// A read that runs past the end hands over what is left and answers
// S_FALSE, as a stream must: decoders ask for whole buffers and take the
// short count as the end of the data.
HRESULT ResourceStream::Read(void* buffer, ULONG count, ULONG* read) {
    if (buffer == nullptr && count > 0) return STG_E_INVALIDPOINTER;
    const uint32_t available = size - offset;
    const uint32_t taken = count <= available ? count : available;
    if (taken > 0) std::memcpy(buffer, data + offset, taken);
    offset += taken;
    if (read != nullptr) *read = taken;
    return taken == count ? S_OK : S_FALSE;
}

HRESULT ResourceStream::Write(const void*, ULONG, ULONG*) {
    return E_NOTIMPL;
}

HRESULT ResourceStream::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) {
    int64_t target = 0;
    switch (origin) {
    case STREAM_SEEK_SET:
        target = move.QuadPart;
        break;
    case STREAM_SEEK_CUR:
        target = int64_t(offset) + move.QuadPart;
        break;
    case STREAM_SEEK_END:
        return S_FALSE;
    default:
        return STG_E_INVALIDFUNCTION;
    }
    // Only positions inside the data are reachable; the end itself is not.
    if (target < 0 || target >= int64_t(size)) return S_FALSE;
    offset = uint32_t(target);
    if (position != nullptr) position->QuadPart = offset;
    return S_OK;
}

HRESULT ResourceStream::SetSize(ULARGE_INTEGER) {
    return E_NOTIMPL;
}

HRESULT ResourceStream::CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) {
    return E_NOTIMPL;
}

HRESULT ResourceStream::Commit(DWORD) {
    return E_NOTIMPL;
}

HRESULT ResourceStream::Revert() {
    offset = 0;
    return S_OK;
}

HRESULT ResourceStream::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
    return E_NOTIMPL;
}

HRESULT ResourceStream::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
    return E_NOTIMPL;
}

HRESULT ResourceStream::Stat(STATSTG* stat, DWORD) {
    if (stat == nullptr) return STG_E_INVALIDPOINTER;
    std::memset(stat, 0, sizeof *stat);
    stat->cbSize.QuadPart = size;
    return S_OK;
}

HRESULT ResourceStream::Clone(IStream**) {
    return E_NOTIMPL;
}

} // namespace VSTGUI::platform
