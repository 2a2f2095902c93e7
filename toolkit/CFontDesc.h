// A font description: face name, size in pixels and style bits.
#pragma once

#include "CBaseObject.h"

#include <string>

namespace VSTGUI {

enum CTxtFace : int32_t { kNormalFace = 0, kBoldFace = 1, kItalicFace = 2, kUnderlineFace = 4 };

class CFontDesc : public CBaseObject {
public:
    CFontDesc(const char* name = "", double size = 0.0, int32_t style = 0)
        : name(name != nullptr ? name : ""), size(size), style(style) {}

    const std::string& getName() const { return name; }
    double getSize() const { return size; }
    int32_t getStyle() const { return style; }
    void setSize(double newSize) { size = newSize; }
    void setStyle(int32_t newStyle) { style = newStyle; }

private:
    std::string name;
    double size;
    int32_t style;
};

} // namespace VSTGUI
