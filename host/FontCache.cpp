#include "FontCache.h"

#include "toolkit/CFontDesc.h"

void releaseFontCache(std::vector<VSTGUI::CFontDesc*>& cache) {
    for (VSTGUI::CFontDesc*& font : cache) {
        if (font != nullptr) font->forget();
        font = nullptr;
    }
    cache.clear();
}
