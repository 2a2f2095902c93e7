#include "CBitmap.h"

#include "CDrawContext.h"
#include "ContentScale.h"
#include "GraphicsGlobals.h"
#include "ResourceTable.h"
#include "platform/GraphicsBackend.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI {

CBitmap::CBitmap() {
    GraphicsGlobals::enter();
}

CBitmap::CBitmap(const CResourceDescription& desc) : CBitmap() {
    loadFromResource(desc);
}

CBitmap::CBitmap(CFrame* /*frame*/, double unitsWide, double unitsHigh, double scale) : CBitmap() {
    if (scale == 1.0) {
        adopt(platform::createImage(int(unitsWide), int(unitsHigh)));
        return;
    }
    adopt(platform::createImage(scaledLength(unitsWide, scale), scaledLength(unitsHigh, scale)));
    if (image == nullptr) return;
    imageScale = scale;
    width = unitsWide;
    height = unitsHigh;
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
    releaseVariants();
    platform::releaseImage(image);
    image = nullptr;
    imageScale = 1.0;
    width = height = 0;
}

void CBitmap::releaseVariants() {
    for (platform::Image*& sharper : variants) {
        platform::releaseImage(sharper);
        sharper = nullptr;
    }
    variantLooked = {};
}

// Only images embedded by number have variants; an absent one falls back to
// the loaded image (the resource table answers the 1x data), so each is
// looked up once.
platform::Image* CBitmap::variant(int pixelsPerUnit) {
    const size_t slot = size_t(pixelsPerUnit - 2);
    if (variantLooked[slot]) return variants[slot];
    variantLooked[slot] = true;
    if (resourceDesc.type != CResourceDescription::kIntegerType) return nullptr;
    const ResourceData plain = findResource(resourceDesc.id);
    const ResourceData sharper = findResource(resourceDesc.id, pixelsPerUnit);
    if (!sharper.found() || sharper.data == plain.data) return nullptr;
    platform::Image* decoded = platform::decodePng(sharper.data, sharper.size);
    // A variant must be exactly that many times the image, or it is not one.
    if (decoded != nullptr &&
        (platform::imageWidth(decoded) != platform::imageWidth(image) * pixelsPerUnit ||
         platform::imageHeight(decoded) != platform::imageHeight(image) * pixelsPerUnit)) {
        platform::releaseImage(decoded);
        decoded = nullptr;
    }
    variants[slot] = decoded;
    return decoded;
}

// The smallest variant at least as sharp as the scale (above 3, the 3x one);
// when that one is missing, the largest smaller one that exists.
const platform::Image* CBitmap::imageForScale(double scale, double& pixelsPerUnit) {
    pixelsPerUnit = imageScale;
    if (image == nullptr || imageScale != 1.0 || !(scale > 1.0)) return image;
    const int wanted = std::min(kSharpestVariant, int(std::ceil(scale - 1e-9)));
    for (int k = wanted; k >= 2; --k) {
        if (platform::Image* sharper = variant(k)) {
            pixelsPerUnit = k;
            return sharper;
        }
    }
    return image;
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
    double pixelsPerUnit = 1.0;
    const platform::Image* drawn = imageForScale(context->getScale(), pixelsPerUnit);
    // Every coordinate truncates toward zero on its way to units.
    const ViewPoint& offset = context->getOffset();
    platform::drawImage(context->getPlatformCanvas(), drawn, int(srcOffset.x), int(srcOffset.y),
                        int(dest.width()), int(dest.height()), int(dest.left + offset.x),
                        int(dest.top + offset.y), alpha, pixelsPerUnit);
}

Colour CBitmap::getPixel(int x, int y) const {
    return platform::imagePixel(image, x, y);
}

const uint32_t* CBitmap::pixelWords(size_t& stride) const {
    return platform::imageWords(image, stride);
}

bool CBitmap::writePng(const char* path) const {
    return platform::writePng(image, path);
}

} // namespace VSTGUI
