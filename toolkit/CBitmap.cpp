#include "CBitmap.h"

#include "CDrawContext.h"
#include "GraphicsGlobals.h"
#include "ResourceTable.h"
#include "platform/GraphicsBackend.h"

namespace VSTGUI {

CBitmap::CBitmap() {
    GraphicsGlobals::enter();
}

CBitmap::CBitmap(const CResourceDescription& desc) : CBitmap() {
    loadFromResource(desc);
}

CBitmap::CBitmap(CFrame* /*frame*/, double pixelsWide, double pixelsHigh) : CBitmap() {
    adopt(platform::createImage(int(pixelsWide), int(pixelsHigh)));
}

CBitmap::~CBitmap() {
    dispose();
    GraphicsGlobals::leave();
}

void CBitmap::adopt(platform::Image* decoded) {
    dispose();
    image = decoded;
    width = platform::imageWidth(image);
    height = platform::imageHeight(image);
}

void CBitmap::dispose() {
    platform::releaseImage(image);
    image = nullptr;
    width = height = 0;
}

bool CBitmap::loadFromResource(const CResourceDescription& desc) {
    dispose();
    resourceDesc = desc;
    ResourceData found;
    if (desc.type == CResourceDescription::kIntegerType) found = findResource(desc.id);
    if (desc.type == CResourceDescription::kStringType) found = findResource(desc.name);
    if (found.found()) adopt(platform::decodePng(found.data, found.size));
    return isLoaded();
}

bool CBitmap::loadFromFile(const char* path) {
    adopt(platform::loadPngFile(path));
    return isLoaded();
}

void CBitmap::draw(CDrawContext* context, const ViewRect& dest, const ViewPoint& srcOffset) {
    drawAlphaBlend(context, dest, srcOffset, 255);
}

void CBitmap::drawTransparent(CDrawContext* context, const ViewRect& dest,
                              const ViewPoint& srcOffset) {
    drawAlphaBlend(context, dest, srcOffset, 255);
}

void CBitmap::drawAlphaBlend(CDrawContext* context, const ViewRect& dest,
                             const ViewPoint& srcOffset, uint8_t alpha) {
    if (image == nullptr || context == nullptr || context->getPlatformCanvas() == nullptr) return;
    // Every coordinate truncates toward zero on its way to pixels.
    const ViewPoint& offset = context->getOffset();
    platform::drawImage(context->getPlatformCanvas(), image, int(srcOffset.x), int(srcOffset.y),
                        int(dest.width()), int(dest.height()), int(dest.left + offset.x),
                        int(dest.top + offset.y), alpha);
}

Colour CBitmap::getPixel(int x, int y) const {
    return platform::imagePixel(image, x, y);
}

bool CBitmap::writePng(const char* path) const {
    return platform::writePng(image, path);
}

} // namespace VSTGUI
