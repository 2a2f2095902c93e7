// What an OLE drag carries, as the views see it: one Unicode text, or the
// files of a drop list with shortcuts resolved, each item in UTF-8.
#pragma once

#include "toolkit/CDragContainer.h"

// windows.h comes first: the headers below rely on its declarations.
#include <windows.h>

#include <objidl.h>

#include <string>

namespace VSTGUI::platform {

class WinDragContainer final : public CDragContainer {
  public:
    // Holds a reference to data for its own life.
    explicit WinDragContainer(IDataObject* data);
    ~WinDragContainer() override;

    void* rewind() override;
    void* next(int32_t& size, int32_t& type) override;
    int32_t getType(int32_t index) const override;
    int32_t getCount() const override { return count; }

  private:
    bool hasText() const;
    void* nextText(int32_t& size, int32_t& type);
    void* nextFile(int32_t& size, int32_t& type);
    void* keep(const std::wstring& text, int32_t& size);

    IDataObject* data;
    int32_t count = 0;
    int32_t index = 0;
    char* item = nullptr; // the last item handed out
};

} // namespace VSTGUI::platform
