// The plug-in's embedded resources: the panel's PNG files, compiled into
// the library and found by number (or by file name), so nothing has to be
// installed beside the plug-in. Each image may come drawn at 2 and 3 times
// its size too, for screens with more pixels per panel pixel.
#pragma once

#include <cstddef>
#include <cstdint>

namespace VSTGUI {

struct ResourceData {
    const uint8_t* data = nullptr;
    size_t size = 0;

    bool found() const { return data != nullptr && size > 0; }
};

// The scales an image may be drawn at besides 1.
inline constexpr int kLargestResourceScale = 3;

// Nothing found answers an empty ResourceData.
ResourceData findResource(int32_t id);
ResourceData findResource(const char* name);
// Image id drawn at scale times its size (1, 2 or 3); the image at scale 1
// when there is none at that scale (or the scale is none of those).
ResourceData findResource(int32_t id, int scale);
// Image id at exactly that scale, where the platform keeps it (the table
// below, or a Windows module's resources); nothing when it has none.
ResourceData findResourceAtScale(int32_t id, int scale);

// One row of the table that the build generates from resources/.
struct ResourceEntry {
    int32_t id;
    int32_t scale;
    const char* name;
    const uint8_t* data;
    size_t size;
};
extern const ResourceEntry kEmbeddedResources[];
extern const size_t kEmbeddedResourceCount;

} // namespace VSTGUI
