// An image: decoded from an embedded PNG by number or name, read from a PNG
// file, or blank at a given size. Its size is in units; drawn onto a context
// of a content scale above 1, an embedded image is drawn from its sharpest
// variant for that scale (@2x, @3x), scaled down where the scale lies in
// between.
#pragma once

#include <array>

#include "CBaseObject.h"
#include "Colour.h"
#include "ViewTypes.h"

namespace VSTGUI {

class CDrawContext;
class CFrame;

namespace platform {
struct Image;
}

struct CResourceDescription {
    enum Kind : int32_t { kIntegerType = 0, kStringType = 1, kUnknownType = 2 };

    CResourceDescription() = default;
    CResourceDescription(int32_t number) : type(kIntegerType), id(uint16_t(number)) {}
    CResourceDescription(const char* resourceName) : type(kStringType), name(resourceName) {}

    Kind type = kUnknownType;
    uint16_t id = 0;            // kIntegerType
    const char* name = nullptr; // kStringType; not owned
};

class CBitmap : public CBaseObject {
  public:
    // An embedded resource; width and height stay 0 when it cannot be found
    // or decoded (the bitmap then counts as not loaded).
    explicit CBitmap(const CResourceDescription& desc);
    // Blank, width x height units of scale pixels each (rounded): every
    // pixel transparent black.
    CBitmap(CFrame* frame, double width, double height, double scale = 1.0);
    // Empty, size 0, until loadFromResource or loadFromFile succeeds.
    CBitmap();
    ~CBitmap() override;

    // Copy the area of dest's size at srcOffset to dest (plus the context's
    // offset). draw and drawTransparent draw fully opaque; the transparent
    // colour does not change drawing, the PNG's own alpha does.
    virtual void draw(CDrawContext* context, const ViewRect& dest, const ViewPoint& srcOffset = {});
    virtual void drawTransparent(CDrawContext* context, const ViewRect& dest,
                                 const ViewPoint& srcOffset = {});
    // alpha 255 draws the image as it is; lower values scale its opacity.
    virtual void drawAlphaBlend(CDrawContext* context, const ViewRect& dest,
                                const ViewPoint& srcOffset, uint8_t alpha);
    virtual void dispose();
    virtual bool loadFromResource(const CResourceDescription& desc);
    virtual void release() { dispose(); }

    // A PNG file, replacing the current image; false leaves the bitmap empty.
    bool loadFromFile(const char* path);

    double getWidth() const { return width; }
    double getHeight() const { return height; }
    bool isLoaded() const { return width > 0 && height > 0; }
    const CResourceDescription& getResourceDescription() const { return resourceDesc; }

    Colour getTransparentColor() const { return transparentColour; }
    void setTransparentColor(Colour c) { transparentColour = c; }
    bool getNoAlpha() const { return noAlpha; }
    void setNoAlpha(bool flag) { noAlpha = flag; }

    // Straight colour of one pixel of the image as loaded or made (for a
    // blank one at its scale); transparent outside the image. For tests and
    // tools that look at what was drawn.
    Colour getPixel(int x, int y) const;
    [[nodiscard]] bool writePng(const char* path) const;
    // The image's pixels as the backend stores them, row after row, stride
    // words apart: for telling whether two pictures differ, not for colours.
    const uint32_t* pixelWords(size_t& stride) const;

    platform::Image* getPlatformImage() const { return image; }

    // The variant drawn at a content scale, with its pixels per unit; the
    // loaded image itself when no sharper one exists.
    const platform::Image* imageForScale(double scale, double& pixelsPerUnit);

  private:
    static constexpr int kSharpestVariant = 3;

    void adopt(platform::Image* decoded);
    void releaseVariants();
    platform::Image* variant(int pixelsPerUnit);

    CResourceDescription resourceDesc;
    double width = 0;
    double height = 0;
    Colour transparentColour{255, 255, 255, 0};
    bool noAlpha = true;
    platform::Image* image = nullptr;
    double imageScale = 1.0; // pixels of image per unit
    // The @2x and @3x images of an embedded one, decoded when first drawn.
    std::array<platform::Image*, kSharpestVariant - 1> variants{};
    std::array<bool, kSharpestVariant - 1> variantLooked{};
};

} // namespace VSTGUI
