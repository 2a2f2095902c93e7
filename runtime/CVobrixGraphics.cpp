#include "CVobrixGraphics.h"

#include "Numeric.h"
#include "VeSTDrawingServices.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using gravelo::runtime::toIndex;

namespace {

// Precision beyond this only pads zeros the text fields cannot show anyway.
constexpr int32_t kMaxDecimals = 100;

} // namespace

CVobrixGraphics::~CVobrixGraphics() {
    for (auto& [index, slot] : imageSlots)
        VeSTReleaseImage(slot.handle);
    imageSlots.clear();
}

int32_t CVobrixGraphics::colourByte(double component) {
    return std::clamp(toIndex(component * 255.0), 0, 255);
}

void CVobrixGraphics::drawLineTo(double x, double y, double antialias) {
    VeSTSetFrameColor(shell, colourByte(colour.red), colourByte(colour.green),
                      colourByte(colour.blue), colourByte(colour.alpha));
    VeSTSetDrawMode(shell, antialias < 0.5 ? 0 : 3);
    VeSTMoveTo(shell, penX, penY);
    penX = x;
    penY = y;
    VeSTLineTo(shell, x, y);
}

void CVobrixGraphics::rectTo(double x, double y) {
    const double x0 = penX, y0 = penY;
    penX = x;
    penY = y;
    VeSTSetFillColor(shell, colourByte(colour.red), colourByte(colour.green),
                     colourByte(colour.blue), colourByte(colour.alpha));
    VeSTSetDrawMode(shell, 0);
    VeSTDrawRect(shell, std::floor(x0), std::floor(y0), std::floor(x), std::floor(y), 1);
}

void CVobrixGraphics::setTextColour(double antialias) {
    VeSTSetFontColor(shell, colourByte(colour.red), colourByte(colour.green),
                     colourByte(colour.blue), colourByte(colour.alpha));
    VeSTSetDrawMode(shell, antialias < 0.5 ? 0 : 3);
}

void CVobrixGraphics::drawText(const std::string& text) {
    size_t start = 0;
    while (true) {
        const size_t end = text.find('\n', start);
        const std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const double width = VeSTGetStringWidth(shell, line.c_str());
        VeSTDrawStringInRect(shell, line.c_str(), penX, penY, penX + width, penY + textHeight + 2.0,
                             0, 0);
        if (end == std::string::npos) {
            penX += width;
            return;
        }
        penY += textHeight;
        start = end + 1;
    }
}

void CVobrixGraphics::drawStringSlot(double number) {
    setTextColour(1.0);
    drawText(stringAt(number));
}

void CVobrixGraphics::drawNumber(double value, double decimals) {
    char text[512];
    std::snprintf(text, sizeof text, "%.*f", std::min(toIndex(decimals), kMaxDecimals), value);
    setTextColour(1.0);
    drawText(text);
}

void CVobrixGraphics::blitRegion(double imageIndex, double address) {
    double cell[6];
    for (int k = 0; k < 6; ++k)
        cell[k] = mem(toIndex(address + k));
    const double sourceX = cell[0], sourceY = cell[1], width = cell[2], height = cell[3];
    const double left = cell[4], top = cell[5];
    ImageSlot& slot = image(toIndex(imageIndex));
    if (VeSTDrawImage(slot.handle, shell, left, top, left + width, top + height, sourceX,
                      sourceY) == 0)
        drawErrorBox(left, top, left + width, top + height);
}

void CVobrixGraphics::drawErrorBox(double left, double top, double right, double bottom) {
    VeSTSetFillColor(shell, 255, 0, 0, 255);
    VeSTDrawRect(shell, left, top, right, bottom, 1);
    VeSTSetFontColor(shell, 255, 255, 0, 255);
    VeSTDrawStringInRect(shell, "ERROR", left, top, right, bottom, 0, 1);
}

ImageSlot& CVobrixGraphics::image(int32_t index) {
    ImageSlot& slot = imageSlots[index];
    if (slot.handle != nullptr || fileNameTable.find(index) == fileNameTable.end()) return slot;
    loadSlotImage(slot, index);
    return slot;
}

// Every attempt leaves a handle in the slot, so an image is tried once only.
bool CVobrixGraphics::loadSlotImage(ImageSlot& slot, int32_t index) {
    auto startOver = [&slot]() {
        VeSTReleaseImage(slot.handle);
        slot = ImageSlot{VeSTNewImage(), 0.0, 0.0};
    };
    auto takeSize = [&slot]() {
        slot.width = VeSTGetImageWidth(slot.handle);
        slot.height = VeSTGetImageHeight(slot.handle);
        return true;
    };
    startOver();
    if (VeSTLoadImageResource(slot.handle, index) != 0) return takeSize();
    startOver();
    const std::string path = resolvePath(fileNameTable[index]);
    if (VeSTLoadImageFile(slot.handle, path.c_str()) != 0) return takeSize();
    writeLog("Unable to load: " + path);
    return false;
}

void CVobrixGraphics::selectFont(double index, const std::string& face, double size,
                                 int32_t flags) {
    FontSlot& slot = fontSlots[toIndex(index)];
    slot = FontSlot{face, size, flags};
    currentFontIndex = index;
    if (VeSTSetFont(shell, face.c_str(), toIndex(size), flags) == 0)
        VeSTSetFont(shell, "verdana", toIndex(size), flags);
}
