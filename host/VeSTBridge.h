// Binds the shell to a TVobrix runtime: the 29 entries of VeSTCallbacks.
#pragma once

#include "VeSTCallbacks.h"

class TVobrix;

// The table the entry functions hand to every new shell.
VeSTCallbacks makeVeSTCallbacks();

// Creates a shell around `runtime` (taking ownership) the way the exported
// entries do, and returns the host's record, or null when the host refused.
AEffect* createPlugin(TVobrix* runtime, audioMasterCallback audioMaster);
