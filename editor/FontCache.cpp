#include "FontCache.h"

#include "toolkit/CFontDesc.h"

#include <strings.h>

VSTGUI::CFontDesc* FontCache::descriptionOf(const char* face) {
    for (auto it = fonts.rbegin(); it != fonts.rend(); ++it)
        if (*it != nullptr && strcasecmp((*it)->getName().c_str(), face) == 0) return *it;
    fonts.push_back(new VSTGUI::CFontDesc(face, 0, 0));
    return fonts.back();
}

void FontCache::release() {
    for (VSTGUI::CFontDesc*& font : fonts) {
        if (font != nullptr) font->forget();
        font = nullptr;
    }
    fonts.clear();
}
