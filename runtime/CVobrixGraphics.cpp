#include "CVobrixGraphics.h"

#include "host/VeSTServices.h"

CVobrixGraphics::~CVobrixGraphics() {
    for (auto& [index, slot] : imageSlots) VeSTReleaseImage(slot.handle);
    imageSlots.clear();
}
