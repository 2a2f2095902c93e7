// A shell's cache of font descriptions, one per face name, kept until the
// shell goes. User-interface thread only.
#pragma once

#include <vector>

namespace VSTGUI {
class CFontDesc;
}

class FontCache {
  public:
    FontCache() = default;
    ~FontCache() { release(); }
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // The description of `face` (letter case ignored, the newest first), made
    // with size 0 and style 0 and kept when there is none yet.
    VSTGUI::CFontDesc* descriptionOf(const char* face);
    // Releases the cache's one reference to each description and empties it.
    void release();

  private:
    std::vector<VSTGUI::CFontDesc*> fonts;
};
