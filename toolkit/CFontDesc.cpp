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
    static CFontDesc* const all[kSharedFontCount] = {kSystemFont,       kNormalFontVeryBig, kNormalFontBig,
                                                     kNormalFont,       kNormalFontSmall,   kNormalFontSmaller,
                                                     kNormalFontVerySmall, kSymbolFont};
    return index >= 0 && index < kSharedFontCount ? all[index] : nullptr;
}

CFontDesc::CFontDesc(const char* name, double size, int32_t style)
    : name(name != nullptr ? name : ""), size(size), style(style) {}

CFontDesc::~CFontDesc() { freePlatformFont(); }

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
    if (platformFont == nullptr && !name.empty())
        platformFont = platform::createFont(name.c_str(), size, platformStyle(style));
    return platformFont;
}

void CFontDesc::freePlatformFont() {
    platform::releaseFont(platformFont);
    platformFont = nullptr;
}

std::string CFontDesc::getResolvedFamily() { return platform::resolvedFamily(getPlatformFont()); }

} // namespace VSTGUI
