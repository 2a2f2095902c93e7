#include "CFontDesc.h"

#include "platform/GraphicsBackend.h"

namespace VSTGUI {
namespace {

platform::FontStyle platformStyle(int32_t style) {
    // The library takes one style; underline wins over italic over bold.
    if (style & kUnderlineFace) return platform::FontStyle::Underline;
    if (style & kItalicFace) return platform::FontStyle::Italic;
    if (style & kBoldFace) return platform::FontStyle::Bold;
    return platform::FontStyle::Regular;
}

// A shared description lives in static storage; an unbalanced forget from a
// user must not delete it.
class SharedFontDesc : public CFontDesc {
  public:
    using CFontDesc::CFontDesc;
    void forget() override {
        if (getNbReference() > 1) CFontDesc::forget();
    }
};

SharedFontDesc systemFont("Arial", 12);
SharedFontDesc normalFontVeryBig("Arial", 18);
SharedFontDesc normalFontBig("Arial", 14);
SharedFontDesc normalFont("Arial", 12);
SharedFontDesc normalFontSmall("Arial", 11);
SharedFontDesc normalFontSmaller("Arial", 10);
SharedFontDesc normalFontVerySmall("Arial", 9);
SharedFontDesc symbolFont("Symbol", 13);

} // namespace

CFontDesc* const kSystemFont = &systemFont;
CFontDesc* const kNormalFontVeryBig = &normalFontVeryBig;
CFontDesc* const kNormalFontBig = &normalFontBig;
CFontDesc* const kNormalFont = &normalFont;
CFontDesc* const kNormalFontSmall = &normalFontSmall;
CFontDesc* const kNormalFontSmaller = &normalFontSmaller;
CFontDesc* const kNormalFontVerySmall = &normalFontVerySmall;
CFontDesc* const kSymbolFont = &symbolFont;

CFontDesc* sharedFontDescription(int index) {
    static CFontDesc* const all[kSharedFontCount] = {
        kSystemFont,      kNormalFontVeryBig, kNormalFontBig,       kNormalFont,
        kNormalFontSmall, kNormalFontSmaller, kNormalFontVerySmall, kSymbolFont};
    return index >= 0 && index < kSharedFontCount ? all[index] : nullptr;
}

CFontDesc::CFontDesc(const char* faceName, double pixelSize, int32_t fontStyle)
    : name(faceName != nullptr ? faceName : ""), size(pixelSize), style(fontStyle) {}

CFontDesc::CFontDesc(CFontDesc* from, double pixelSize, int32_t fontStyle)
    : name(from->name), size(pixelSize), style(fontStyle),
      source(from->source != nullptr ? from->source : from) {
    source->remember();
}

CFontDesc::~CFontDesc() {
    freePlatformFont();
    if (source != nullptr) source->forget();
}

void CFontDesc::setSize(double newSize) {
    if (newSize == size) return;
    size = newSize;
    freePlatformFont();
}

void CFontDesc::setStyle(int32_t newStyle) {
    if (newStyle == style) return;
    style = newStyle;
    freePlatformFont();
}

platform::Font* CFontDesc::getPlatformFont() {
    if (source != nullptr) return source->variantFont(size, style);
    if (platformFont == nullptr && !name.empty())
        platformFont = platform::createFont(name.c_str(), size, platformStyle(style));
    return platformFont;
}

// Resolving a face through the system's font matching costs far more than
// drawing the text, so each size and style is resolved once and kept.
platform::Font* CFontDesc::variantFont(double variantSize, int32_t variantStyle) {
    if (variantSize == size && variantStyle == style) return getPlatformFont();
    for (const Variant& kept : variants)
        if (kept.size == variantSize && platformStyle(kept.style) == platformStyle(variantStyle))
            return kept.font;
    if (name.empty()) return nullptr;
    // A script asking for ever new sizes must not grow this without end;
    // no caller holds a platform font across a call that can evict one.
    constexpr size_t kKeptVariants = 16;
    if (variants.size() == kKeptVariants) {
        platform::releaseFont(variants.front().font);
        variants.erase(variants.begin());
    }
    platform::Font* font =
        platform::createFont(name.c_str(), variantSize, platformStyle(variantStyle));
    if (font != nullptr) variants.push_back({variantSize, variantStyle, font});
    return font;
}

void CFontDesc::freePlatformFont() {
    platform::releaseFont(platformFont);
    platformFont = nullptr;
    for (const Variant& kept : variants)
        platform::releaseFont(kept.font);
    variants.clear();
}

std::string CFontDesc::getResolvedFamily() {
    return platform::resolvedFamily(getPlatformFont());
}

} // namespace VSTGUI
