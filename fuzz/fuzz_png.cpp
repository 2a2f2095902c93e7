// PNG decoding of the panel's image fallback files: a damaged or hostile
// file beside the library must decode to an image or to nothing, never
// crash. Both doors are driven: the file path the bitmaps load from and the
// in-memory decoder; a decoded image is then drawn and read back.
#include "toolkit/platform/GraphicsBackend.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

namespace platform = VSTGUI::platform;

// One scratch file per fuzzing process, removed when it ends.
const std::string& scratchPath() {
    static const std::string path = [] {
        std::string p = (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
        p += "/gravelo-fuzz-png-" + std::to_string(getpid()) + ".png";
        std::atexit([] { std::remove(scratchPath().c_str()); });
        return p;
    }();
    return path;
}

bool writeFile(const uint8_t* data, size_t size) {
    FILE* file = std::fopen(scratchPath().c_str(), "wb");
    if (file == nullptr) return false;
    const bool complete = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && complete;
}

// Draws the image into a small canvas and reads its corners back.
void useImage(platform::Image* image) {
    const int width = platform::imageWidth(image), height = platform::imageHeight(image);
    if (width <= 0 || height <= 0) std::abort();
    platform::imagePixel(image, width - 1, height - 1);
    platform::Image* target = platform::createImage(32, 32);
    platform::Canvas* canvas = platform::createCanvas(target);
    platform::drawImage(canvas, image, 0, 0, 32, 32, 0, 0, 200);
    platform::releaseCanvas(canvas);
    platform::imagePixel(target, 31, 31);
    platform::releaseImage(target);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (platform::Image* image = platform::decodePng(data, size)) {
        useImage(image);
        platform::releaseImage(image);
    }
    if (!writeFile(data, size)) return 0;
    if (platform::Image* image = platform::loadPngFile(scratchPath().c_str())) {
        useImage(image);
        platform::releaseImage(image);
    }
    return 0;
}
