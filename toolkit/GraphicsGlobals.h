// Reference-counted use of the graphics library by the whole process: every
// frame and every bitmap enters at construction and leaves at destruction.
#pragma once

#include <cstdint>

namespace VSTGUI {

class GraphicsGlobals {
  public:
    // The first entry starts the library; later ones add a reference.
    static void enter();
    // The last leave drops the shared font descriptions' platform fonts, so
    // nothing of the library outlives its last user in this module.
    static void leave();
    // 0 while nobody uses the library.
    static int32_t referenceCount();

  private:
    GraphicsGlobals() = default;
    int32_t references = 1;
};

} // namespace VSTGUI
