// A font description: face name, size in pixels and style bits; the
// platform font behind it is made on first use and kept.
#pragma once

#include "CBaseObject.h"

#include <string>
#include <vector>

namespace VSTGUI {

namespace platform {
struct Font;
}

enum CTxtFace : int32_t { kNormalFace = 0, kBoldFace = 1, kItalicFace = 2, kUnderlineFace = 4 };

class CFontDesc : public CBaseObject {
  public:
    CFontDesc(const char* name = "", double size = 0.0, int32_t style = 0);
    // A description of source's name at another size or style. It borrows
    // its platform font from source (which it holds a reference to), so a
    // draw context that derives one per text call resolves the face once
    // per size and style rather than on every call.
    CFontDesc(CFontDesc* source, double size, int32_t style);
    ~CFontDesc() override;

    const std::string& getName() const { return name; }
    double getSize() const { return size; }
    int32_t getStyle() const { return style; }
    // A changed size or style no longer matches the platform font, so it is
    // dropped and made again on the next use.
    void setSize(double newSize);
    void setStyle(int32_t newStyle);

    // The platform font of this description, created on first use; null
    // when no face can be found or the size is not positive.
    platform::Font* getPlatformFont();
    // Drops the platform font and those kept for derived descriptions.
    void freePlatformFont();
    bool hasPlatformFont() const { return platformFont != nullptr; }
    // The family the system's font matching chose for the name ("" when
    // there is no platform font).
    std::string getResolvedFamily();

  private:
    struct Variant {
        double size;
        int32_t style;
        platform::Font* font;
    };
    // The platform font for a derived description of this one.
    platform::Font* variantFont(double variantSize, int32_t variantStyle);

    std::string name;
    double size;
    int32_t style;
    platform::Font* platformFont = nullptr;
    CFontDesc* source = nullptr; // the owner of this description's font
    std::vector<Variant> variants;
};

// The process-wide shared descriptions, all plain style: "Arial" at 12, 18,
// 14, 12, 11, 10 and 9 pixels and "Symbol" at 13. kSystemFont is every new
// draw context's font. They are owned by the process: forget never deletes
// them.
extern CFontDesc* const kSystemFont;
extern CFontDesc* const kNormalFontVeryBig;
extern CFontDesc* const kNormalFontBig;
extern CFontDesc* const kNormalFont;
extern CFontDesc* const kNormalFontSmall;
extern CFontDesc* const kNormalFontSmaller;
extern CFontDesc* const kNormalFontVerySmall;
extern CFontDesc* const kSymbolFont;

constexpr int kSharedFontCount = 8;
// The eight shared descriptions in the order above.
CFontDesc* sharedFontDescription(int index);

} // namespace VSTGUI
