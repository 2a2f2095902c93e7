// The factory presets (presets/*.fxp), compiled into the program by the
// build so that nothing has to be installed beside it.
#pragma once

#include "toolkit/ResourceTable.h"

namespace VSTGUI {
extern const ResourceEntry kFactoryPresets[];
extern const size_t kFactoryPresetsCount;
} // namespace VSTGUI
