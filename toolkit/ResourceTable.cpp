#include "ResourceTable.h"

#include <cstring>

namespace VSTGUI {

ResourceData findResourceAtScale(int32_t id, int scale) {
    for (size_t i = 0; i < kEmbeddedResourceCount; ++i) {
        const ResourceEntry& entry = kEmbeddedResources[i];
        if (entry.id == id && entry.scale == scale) return {entry.data, entry.size};
    }
    return {};
}

ResourceData findResource(const char* name) {
    if (name == nullptr) return {};
    for (size_t i = 0; i < kEmbeddedResourceCount; ++i)
        if (std::strcmp(kEmbeddedResources[i].name, name) == 0)
            return {kEmbeddedResources[i].data, kEmbeddedResources[i].size};
    return {};
}

} // namespace VSTGUI
