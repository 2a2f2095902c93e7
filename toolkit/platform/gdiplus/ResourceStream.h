// A read-only COM stream over bytes that outlive it (a locked resource of
// the plug-in module), so the library's decoder can read a PNG in place.
#pragma once

// windows.h comes first: the headers below rely on its declarations.
#include <windows.h>

#include <objidl.h>

#include <atomic>
#include <cstdint>

namespace VSTGUI::platform {

class ResourceStream final : public IStream {
  public:
    // Count 1; the caller releases it.
    ResourceStream(const void* data, uint32_t size);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // ISequentialStream
    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG count, ULONG* read) override;
    HRESULT STDMETHODCALLTYPE Write(const void* buffer, ULONG count, ULONG* written) override;
    // IStream
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin,
                                   ULARGE_INTEGER* position) override;
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER size) override;
    HRESULT STDMETHODCALLTYPE CopyTo(IStream* target, ULARGE_INTEGER count, ULARGE_INTEGER* read,
                                     ULARGE_INTEGER* written) override;
    HRESULT STDMETHODCALLTYPE Commit(DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Revert() override;
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count,
                                         DWORD type) override;
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count,
                                           DWORD type) override;
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Clone(IStream** copy) override;

    uint32_t position() const { return offset; }

  private:
    ~ResourceStream() = default;

    const uint8_t* data;
    uint32_t offset = 0;
    uint32_t size;
    std::atomic<LONG> references{1};
};

} // namespace VSTGUI::platform
