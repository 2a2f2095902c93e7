// The lookup rules every platform shares; where the bytes are kept is the
// platform's findResourceAtScale.
#include "ResourceTable.h"

namespace VSTGUI {

ResourceData findResource(int32_t id) {
    return findResourceAtScale(id, 1);
}

ResourceData findResource(int32_t id, int scale) {
    if (scale > 1 && scale <= kLargestResourceScale) {
        const ResourceData scaled = findResourceAtScale(id, scale);
        if (scaled.found()) return scaled;
    }
    return findResourceAtScale(id, 1);
}

} // namespace VSTGUI
