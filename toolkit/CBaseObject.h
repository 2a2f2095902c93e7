// Reference-counted base of views, draw contexts, bitmaps, fonts and drag
// containers: count 1 at creation, forget deletes at 0.
#pragma once

#include <cstdint>

namespace VSTGUI {

using CMessageResult = int32_t;
constexpr CMessageResult kMessageUnknown = 0;
constexpr CMessageResult kMessageNotified = 1;

class CBaseObject {
  public:
    CBaseObject() = default;
    CBaseObject(const CBaseObject&) = delete;
    CBaseObject& operator=(const CBaseObject&) = delete;
    virtual ~CBaseObject() = default;

    virtual void forget() {
        if (--nbReference == 0) delete this;
    }
    virtual void remember() { ++nbReference; }
    virtual CMessageResult notify(CBaseObject* /*sender*/, const char* /*message*/) {
        return kMessageUnknown;
    }

    int32_t getNbReference() const { return nbReference; }

  private:
    int32_t nbReference = 1;
};

} // namespace VSTGUI
