// The library's exported entries. Hosts look for VSTPluginMain; older ones
// for main (the same function) or MAIN (a second function, same body).
#include "VeSTBridge.h"
#include "effect/TVobrixEffect.h"

#define GRAVELO_EXPORT extern "C" __attribute__((visibility("default")))

GRAVELO_EXPORT AEffect* VSTPluginMain(audioMasterCallback audioMaster) {
    return createPlugin(new TVobrixEffect(), audioMaster);
}

// The same function under the symbol "main", which C++ cannot name directly.
GRAVELO_EXPORT AEffect* grav_main_alias(audioMasterCallback audioMaster) __asm__("main")
    __attribute__((alias("VSTPluginMain")));

GRAVELO_EXPORT AEffect* MAIN(audioMasterCallback audioMaster) {
    return createPlugin(new TVobrixEffect(), audioMaster);
}
