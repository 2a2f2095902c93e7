// An image: decoded from an embedded PNG by number or name, read from a PNG
// file, or blank at a given size; drawn onto a draw context without scaling.
#pragma once

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
    // Blank: every pixel transparent black.
    CBitmap(CFrame* frame, double width, double height);
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

    // Straight colour of one pixel; transparent outside the image. For tests
    // and tools that look at what was drawn.
    Colour getPixel(int x, int y) const;
    [[nodiscard]] bool writePng(const char* path) const;

    platform::Image* getPlatformImage() const { return image; }

  private:
    void adopt(platform::Image* decoded);

    CResourceDescription resourceDesc;
    double width = 0;
    double height = 0;
    Colour transparentColour{255, 255, 255, 0};
    bool noAlpha = true;
    platform::Image* image = nullptr;
};

} // namespace VSTGUI
