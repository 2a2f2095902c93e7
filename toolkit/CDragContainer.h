// What is being dragged over a view: a list of items, each a text or a
// file path in UTF-8. The window backend that receives the drag makes the
// concrete container.
#pragma once

#include "CBaseObject.h"

#include <cstdint>

namespace VSTGUI {

class CDragContainer : public CBaseObject {
  public:
    enum ItemType : int32_t { kFile = 0, kText = 1, kUnicodeText = 2, kUnknown = -1, kError = -2 };

    // Back to the first item, which is returned as next() would.
    virtual void* rewind() = 0;
    // The next item (valid until the next call), its size in bytes without
    // a terminator and its type; null with type kUnknown after the last.
    virtual void* next(int32_t& size, int32_t& type) = 0;
    virtual int32_t getType(int32_t index) const = 0;
    virtual int32_t getCount() const = 0;
};

} // namespace VSTGUI
