// The audio path (entries 25 and 26): host buffers through the runtime's
// sample slots, one doBlock per call and one doSample per frame.
#pragma once

#include "VstInterface.h"

class CVeST;

namespace audioEntries {

void processReplacing(CVeST* shell, float** inputs, float** outputs, VstInt32 frames);
void processDoubleReplacing(CVeST* shell, double** inputs, double** outputs, VstInt32 frames);

} // namespace audioEntries
