// Font slots selected by the effect's drawing code, and the text line height.
#pragma once

#include "CVobrixFiles.h"

#include <map>
#include <string>

struct FontSlot {
    std::string face;
    double size = 0.0;
    int32_t flags = 0; // font style: 1 bold
};

class CVobrixFonts : public CVobrixFiles {
  public:
    std::map<int32_t, FontSlot> fontSlots;
    double textHeight = 0.0;
    double currentFontIndex = 0.0;
};
