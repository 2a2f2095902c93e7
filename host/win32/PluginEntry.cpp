// The DLL's exported entries. Hosts look for VSTPluginMain; older ones for
// main (the same function, exported under a second name by Gravelo.def,
// since C++ reserves the name) or MAIN (a second function, same body).
#include "effect/TVobrixEffect.h"
#include "host/VeSTBridge.h"

extern "C" AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback audioMaster) {
    return createPlugin(new TVobrixEffect(), audioMaster);
}

extern "C" AEffect* VSTCALLBACK MAIN(audioMasterCallback audioMaster) {
    return createPlugin(new TVobrixEffect(), audioMaster);
}
