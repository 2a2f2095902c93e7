// The shell's cache of font descriptions, one per face name.
#pragma once

#include <vector>

namespace VSTGUI {
class CFontDesc;
}

// Releases the cache's one reference to each description and empties it.
void releaseFontCache(std::vector<VSTGUI::CFontDesc*>& cache);
