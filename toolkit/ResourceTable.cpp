#include "ResourceTable.h"

#include <cstring>

namespace VSTGUI {

ResourceData findResource(int32_t id) {
    for (size_t i = 0; i < kEmbeddedResourceCount; ++i)
        if (kEmbeddedResources[i].id == id)
            return {kEmbeddedResources[i].data, kEmbeddedResources[i].size};
    return {};
}

ResourceData findResource(int32_t id, int /*scale*/) {
    return findResource(id);
}

ResourceData findResource(const char* name) {
    if (name == nullptr) return {};
    for (size_t i = 0; i < kEmbeddedResourceCount; ++i)
        if (std::strcmp(kEmbeddedResources[i].name, name) == 0)
            return {kEmbeddedResources[i].data, kEmbeddedResources[i].size};
    return {};
}

} // namespace VSTGUI
